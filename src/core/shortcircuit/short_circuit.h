// Short-circuit currents of every row of a sheet, the breaking-capacity checks
// of its breaker and main device and the withstand check of its cable.
//
// Everything is computed in ohms referred to the secondary voltage V of the
// bank that feeds the row (V_LN = V/2 for a 単相 bank, V/√3 for 三相4線): the
// high-voltage supply as a pure reactance V²/S_sc, the bank from its %R and
// %X, and every cable of the run from the board, at 20 °C, summed along the
// feeder exactly as the summed voltage drop walks it.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/sheet.h"
#include "shortcircuit/supply.h"

namespace tolvane {

// Rated breaking capacities Icu [kA] of breakers on the market, smallest first.
inline constexpr double kIcuLadder[] = {1.5, 2.5, 5,  7.5, 10, 15,  18,  22,  25,  30,
                                        35,  36,  42, 50,  65, 85, 100, 125, 150, 200};

// The Icu a breaker needs for a fault current [kA]: the smallest ladder value
// at or above it ("7.5", "25"), or above 200 kA the current itself with two
// decimals, marked: "215.30※".
std::string requiredIcuText(double currentKa);
inline constexpr std::string_view kBeyondLadderMark = "※";

// The fault currents at one point of a run [kA]. Only the faults that apply
// to the row's system are set.
struct FaultCurrents {
    std::optional<double> threePhase;     // 三相 bank, three-phase fault
    std::optional<double> lineToLine;     // 単相 bank 200 V, or 単相2線 200 V on a 三相 bank
    std::optional<double> lineToNeutral;  // 単相 bank 100 V, or 三相4線 line to neutral
    double checked = 0;                   // the one the checks use: the largest that applies
};

enum class CheckState {
    NotJudged,  // nothing to compare with (an empty Icu, no cable of its own)
    Passed,
    Failed,
    BadInput,   // the entered value is not a number above 0
};

struct ShortCircuitRow {
    int row = 0;
    // The row's cells as the sheet holds them.
    std::string name;      // column 1 幹線番号又は名称
    std::string loadName;  // column 7
    std::string system;    // column 2 電気方式
    std::string voltage;   // column 3
    std::string cable;     // column 11
    std::string length;    // column 6 こう長 [m]
    std::string bank;      // the bank that feeds it (column 27, or the one chosen for it)
    bool feederHead = false;  // a head row or single feeder's row: the one whose column 27 names the bank

    // Not empty: the row was not computed, and why ("対象外" for 直流2線, a
    // cable not in the catalogue, a missing bank ...). Its numbers are then 0.
    std::string reason;
    bool computed() const { return reason.empty(); }

    FaultCurrents start;  // at the start of the run (a feeder's breaker: the bank's bus)
    FaultCurrents end;    // at its end
    // Of the fault the start current is checked with.
    double xOverR = 0;       // infinite for a loop without resistance
    double powerFactor = 0;  // R / |Z| of the fault loop
    double kappa = 0;        // 1.02 + 0.98·e^(−3R/X)
    double peakKa = 0;       // i_p = κ·√2·I

    // Breaker of column 4 against the start current.
    std::string breakerRating;    // column 4 [A]
    std::string breakerIcu;       // column 28 as entered [kA]
    std::string breakerRequired;  // requiredIcuText of the start current
    CheckState breakerCheck = CheckState::NotJudged;

    // Main device of column 8 against the end current.
    std::string mainRating;       // column 8 [A]
    std::string mainIcu;          // column 29 as entered [kA]
    std::string mainRequired;
    CheckState mainCheck = CheckState::NotJudged;

    // Cable withstand for the breaking time: S ≥ S_min = I_th·√t / k.
    double section = 0;         // S [mm²]; 0 when the row has no cable of its own
    double minimumSection = 0;  // S_min [mm²]
    double thermalKa = 0;       // I_th
    CheckState cableCheck = CheckState::NotJudged;

    // "〇" when every judged check passes, else "×：" with what failed.
    std::string judgement;
    bool failed() const;  // a check failed or an entry is bad
};

// The judgement texts.
inline constexpr std::string_view kNotComputedDc = "対象外";
inline constexpr std::string_view kJudgementPassed = "〇";
inline constexpr std::string_view kJudgementNone = "－";  // computed, but nothing to judge

struct ShortCircuitResult {
    std::vector<ShortCircuitRow> rows;  // every row with a tree mark, top-down
    // True when a judged check failed (or an entered Icu is bad) on some row.
    bool anyFailed() const;
};

// Computes every row of the sheet with the given supply conditions at the
// sheet's frequency (60 or 50; 0 computes nothing and gives every row the
// reason). Conditions that do not check give every row their message. The
// sheet is only read.
ShortCircuitResult computeShortCircuit(const Sheet& sheet, const SupplyConditions& supply, int frequency);

// The adiabatic constant k of copper for the insulation a cable type has
// (226·√ln((234.5+θf)/(234.5+θi))), and the conductor temperature its
// catalogue resistance holds at. Nothing for a type of no known insulation.
struct InsulationClass {
    std::string_view name;         // "ビニル" ...
    double workingC = 0;           // θi
    double shortCircuitC = 0;      // θf
    double k() const;
};
const InsulationClass* insulationOf(std::string_view cableType);
std::span<const InsulationClass> insulationClasses();

}  // namespace tolvane
