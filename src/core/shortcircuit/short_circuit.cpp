#include "shortcircuit/short_circuit.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "text/numbers.h"

namespace tolvane {

namespace {

// The insulations of the catalogue's cables: working and short-circuit
// conductor temperatures [°C] (Japanese cable practice for the withstand).
constexpr InsulationClass kInsulations[] = {
    {"ビニル", 60, 120},
    {"ポリエチレン", 75, 140},
    {"架橋ポリエチレン", 90, 230},
};

// Cable types by the start of their designation, longest first where one
// begins another.
struct TypeInsulation {
    std::string_view prefix;
    int insulation;  // index into kInsulations
};
constexpr TypeInsulation kTypeInsulations[] = {
    {"EM-IE", 1}, {"EM-EEF", 1}, {"EEF", 1}, {"EM-FP", 1}, {"IV", 0}, {"VVF", 0}, {"VV", 0},
    {"CV", 2},    {"CE", 2},
};

}  // namespace

double InsulationClass::k() const { return 226.0 * std::sqrt(std::log((234.5 + shortCircuitC) / (234.5 + workingC))); }

std::span<const InsulationClass> insulationClasses() { return kInsulations; }

const InsulationClass* insulationOf(std::string_view cableType)
{
    for (const TypeInsulation& t : kTypeInsulations)
        if (cableType.substr(0, t.prefix.size()) == t.prefix) return &kInsulations[t.insulation];
    return nullptr;
}

std::string requiredIcuText(double currentKa)
{
    for (double icu : kIcuLadder)
        if (icu >= currentKa) return formatShortest(icu);
    return formatFixed(currentKa, 2) + std::string(kBeyondLadderMark);
}

bool ShortCircuitRow::failed() const
{
    auto bad = [](CheckState s) { return s == CheckState::Failed || s == CheckState::BadInput; };
    return bad(breakerCheck) || bad(mainCheck) || bad(cableCheck);
}

bool ShortCircuitResult::anyFailed() const
{
    return std::any_of(rows.begin(), rows.end(), [](const ShortCircuitRow& r) { return r.failed(); });
}

ShortCircuitResult computeShortCircuit(const Sheet&, const SupplyConditions&, int)
{
    throw std::logic_error("not yet");
}

}  // namespace tolvane
