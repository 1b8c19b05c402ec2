#include "calc/electrical_system.h"

#include <cmath>

namespace tolvane {

namespace {

struct SystemRow {
    std::string_view system;
    double coefficient;
    std::string_view voltage;
    std::string_view reference;
};

const SystemRow* findSystem(std::string_view system)
{
    static const SystemRow rows[] = {
        {kSystemSingle2, 2.0, "100", "100"},
        {kSystemSingle3, 1.0, "100/200", "100"},
        {kSystemThree4, 1.0, "230/400", "230"},
        {kSystemThree3, std::sqrt(3.0), "200", "200"},
        {kSystemDc2, 2.0, "400", "400"},
    };
    for (const auto& row : rows)
        if (row.system == system) return &row;
    return nullptr;
}

}  // namespace

double SystemCoefficient(std::string_view system)
{
    const SystemRow* row = findSystem(system);
    return row ? row->coefficient : 0.0;
}

std::optional<SystemVoltage> DefaultVoltage(std::string_view system)
{
    const SystemRow* row = findSystem(system);
    if (!row) return std::nullopt;
    return SystemVoltage{std::string(row->voltage), std::string(row->reference)};
}

double SystemReferenceVoltage(std::string_view system)
{
    const SystemRow* row = findSystem(system);
    return row ? std::stod(std::string(row->reference)) : 100.0;
}

std::string ReferenceVoltageOf(std::string_view voltage)
{
    if (voltage == "100/200") return "100";
    if (voltage == "230/400") return "230";
    return std::string(voltage);
}

std::optional<std::string> LoadKindPowerFactor(std::string_view loadKind)
{
    if (loadKind == kLoadKindLighting) return "0.95";
    if (loadKind == kLoadKindMotorCapacitor) return "0.9";
    if (loadKind == kLoadKindMotorPlain) return "0.8";
    return std::nullopt;
}

std::optional<std::string> LoadKindOf(std::string_view system, std::string_view powerFactor)
{
    if (system == kSystemSingle2 || system == kSystemSingle3 || system == kSystemDc2)
        return std::string(kLoadKindLighting);
    if (system == kSystemThree4 || system == kSystemThree3) {
        if (powerFactor == "0.9") return std::string(kLoadKindMotorCapacitor);
        if (powerFactor == "0.8") return std::string(kLoadKindMotorPlain);
    }
    return std::nullopt;
}

}  // namespace tolvane
