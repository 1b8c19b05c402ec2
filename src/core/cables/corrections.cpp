#include "cables/corrections.h"

#include <algorithm>
#include <cmath>

#include "cables/installation.h"
#include "text/numbers.h"

namespace tolvane {
namespace {

constexpr LayingCondition kLayingConditions[] = {
    {8, "気中暗渠布設", "(日射の影響なし)", 1, 40, "基本温度40℃", 5},
    {9, "気中暗渠", "管路内布設", 2, 40, "基本温度40℃", 6},
    {10, "埋設管路布設", "", 3, 25, "基本温度25℃", 7},
};

constexpr MethodLaying kMethodLayings[] = {
    {kMethodCulvert, 8, true},
    {kMethodRackInAir, 8, true},
    {kMethodConduit, 9, true},
    {kMethodRackCovered, 9, true},
    {kMethodBuried, 10, false},
};

constexpr WireCount kWireCounts[] = {
    {1, "３本以下", 0.70}, {2, "４本", 0.63},         {3, "５～６本", 0.56},   {4, "７～１５本", 0.49},
    {5, "１６～４０本", 0.43}, {6, "４１～６０本", 0.39}, {7, "６０本以上", 0.34},
};

// Grouping reduction factors by tiers and cables per tier; 0 marks a spacing
// the cables-per-tier list does not offer.
struct GroupingRow {
    std::string_view tiers;
    std::string_view perTier;
    double factor[3];  // S=d, S=2d, S=3d
};
constexpr GroupingRow kGroupingRows[] = {
    {"1", "1", {1, 1, 1}},          {"1", "2", {0.85, 0.95, 1}},    {"1", "3", {0.8, 0.95, 1}},
    {"1", "6", {0.7, 0.9, 0.95}},   {"1", "7～20", {0.7, 0.8, 0}},  {"2", "2", {0.7, 0.9, 0.95}},
    {"2", "3", {0.6, 0.9, 0.95}},   {"2", "4", {0.6, 0.85, 0.9}},   {"2", "5", {0.56, 0.73, 0}},
    {"2", "6", {0.53, 0.72, 0}},    {"2", "7", {0.51, 0.71, 0}},    {"2", "8～20", {0.5, 0.7, 0}},
    {"3", "3", {0.48, 0.8, 0.85}},  {"3", "4", {0.41, 0.8, 0.85}},  {"3", "5", {0.37, 0.68, 0}},
    {"3", "6", {0.34, 0.66, 0}},    {"3", "7", {0.32, 0.65, 0}},    {"3", "8", {0.31, 0.65, 0}},
    {"3", "9～10", {0.3, 0.64, 0}}, {"3", "11～12", {0.3, 0.63, 0}}, {"3", "13～15", {0.3, 0.62, 0}},
    {"3", "16～19", {0.3, 0.61, 0}}, {"3", "20", {0.3, 0.6, 0}},
};

// Cables per tier offered for each number of tiers: those for every spacing,
// then those that only the spacings d and 2d allow.
struct PerTierChoice {
    std::string_view tiers;
    std::vector<std::string_view> always;
    std::vector<std::string_view> closeOnly;
};
const PerTierChoice kPerTierChoices[] = {
    {"1", {"1", "2", "3", "6"}, {"7～20"}},
    {"2", {"2", "3", "4"}, {"5", "6", "7", "8～20"}},
    {"3", {"3", "4"}, {"5", "6", "7", "8", "9～10", "11～12", "13～15", "16～19", "20"}},
};

double settled(double value) { return roundHalfEven(value * 1e9) / 1e9; }

}  // namespace

std::span<const LayingCondition> LayingConditions() { return kLayingConditions; }

const LayingCondition* LayingConditionOfButton(int radioButton)
{
    for (const auto& c : kLayingConditions)
        if (c.radioButton == radioButton) return &c;
    return nullptr;
}

std::optional<MethodLaying> LayingOfMethod(std::string_view method)
{
    for (const auto& m : kMethodLayings)
        if (m.method == method) return m;
    return std::nullopt;
}

std::optional<double> TemperatureFactor(double ambient, double base, double maxConductor)
{
    if (!std::isfinite(ambient) || ambient > maxConductor) return std::nullopt;
    return std::sqrt((maxConductor - ambient) / (maxConductor - base));
}

std::span<const WireCount> WireCounts() { return kWireCounts; }

double GroupingFactor(std::string_view code)
{
    std::string_view spacings[] = {kSpacingItems[0], kSpacingItems[1], kSpacingItems[2]};
    for (const auto& row : kGroupingRows) {
        for (int s = 0; s < 3; ++s) {
            if (row.factor[s] == 0) continue;
            std::string known = std::string(row.tiers) + std::string(row.perTier) + std::string(spacings[s]);
            if (known == code) return row.factor[s];
        }
    }
    return 1;
}

std::vector<std::string> CablesPerTierList(std::string_view tiers, std::string_view spacing)
{
    std::vector<std::string> items;
    for (const auto& choice : kPerTierChoices) {
        if (choice.tiers != tiers) continue;
        for (auto n : choice.always) items.emplace_back(n);
        if (spacing != "S=3d")
            for (auto n : choice.closeOnly) items.emplace_back(n);
    }
    return items;
}

std::string RoundedAmperes(double amperes) { return formatWhole(settled(amperes)); }

std::string TruncatedAmperes(double amperes) { return formatShortest(std::trunc(settled(amperes)) + 0.0); }

}  // namespace tolvane
