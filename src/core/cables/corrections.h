// Corrections of a cable's allowable current: laying condition and ambient
// temperature of CV-type cables, wire count and ambient temperature of IV
// wire in conduit, and the grouping reduction factor of cables laid side by
// side and in tiers.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cables/catalogue.h"

namespace tolvane {

// The three laying conditions of the CV and CVT tables.
struct LayingCondition {
    int radioButton;               // 8, 9 or 10: RadioButton8 .. RadioButton10
    std::string_view caption;      // the radio button's caption
    std::string_view note;         // the text shown beside it
    int radio;                     // the remembered choice `Radio`: 1, 2 or 3
    double baseTemperature;        // T0 [°C]
    std::string_view baseCaption;  // Label12
    int column;                    // the catalogue grid's column copied into column 3
};
std::span<const LayingCondition> LayingConditions();
const LayingCondition* LayingConditionOfButton(int radioButton);

// The laying condition an installation method selects (its radio button
// number) and whether the grouping panel is shown; nothing for other texts.
struct MethodLaying {
    std::string_view method;
    int radioButton;
    bool grouping;
};
std::optional<MethodLaying> LayingOfMethod(std::string_view method);

// Highest conductor temperatures: CV-type cables and IV wire [°C].
inline constexpr double kCvMaxConductorTemperature = 90;
inline constexpr double kIvMaxConductorTemperature = 60;
inline constexpr double kIvBaseTemperature = 30;
// The IV table's currents already contain the factor of three wires or fewer.
inline constexpr double kIvTableWireFactor = 0.70;

// √((max − T) / (max − T0)); nothing when T is above the maximum conductor
// temperature, where the root has no real value.
std::optional<double> TemperatureFactor(double ambient, double base, double maxConductor);

// The wire-count buttons of the IV conduit panel.
struct WireCount {
    int radioButton;  // 1 .. 7
    std::string_view caption;
    double factor;
};
std::span<const WireCount> WireCounts();

// The grouping reduction factor of a grouping code (tiers + cables per tier +
// spacing, e.g. "12S=d"); 1 for a code not in the table.
double GroupingFactor(std::string_view code);

// The cables-per-tier entries offered for a number of tiers and a spacing.
std::vector<std::string> CablesPerTierList(std::string_view tiers, std::string_view spacing);

inline constexpr std::string_view kTierItems[] = {"1", "2", "3"};
inline constexpr std::string_view kSpacingItems[] = {"S=d", "S=2d", "S=3d"};

// Corrected currents as whole amperes. A value is first settled to nine
// decimals, so that a product that is a half or a whole number in decimal
// (0.85 × 190 = 161.5, 0.7 × 190 = 133) is not pushed to a neighbour by the
// binary representation of the factor.
// Halves to the even neighbour: the corrected table values and the hand-back.
std::string RoundedAmperes(double amperes);
// Truncated toward zero: the window's allowable-current display.
std::string TruncatedAmperes(double amperes);

}  // namespace tolvane
