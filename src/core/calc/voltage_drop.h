// Impedance of a cable at the load's power factor, the drop of one run, and
// the allowable drop by length and supply kind.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// Where the allowable drop comes from (the three radio buttons of the forms).
enum class SupplyKind {
    Transformer,   // 電気使用場所に設けた変圧器から供給 (default)
    Utility,       // 電気事業者から低圧で電気の供給を受ける
    GivenPercent,  // 指定した電圧降下(%)で計算する
};

struct SupplyChoice {
    SupplyKind kind = SupplyKind::Transformer;
    std::string percent = "3";  // the percentage field
};

// Z = R cosθ + X sinθ  [Ω/km]
double CableImpedance(double r, double x, double cosTheta);

// Z as the forms and the sheet hold it: exactly 3 decimals ("0.190").
std::string ImpedanceText(double impedance);

// e = K' × I × l × Z × 0.001, multiplied in that order  [V]
double VoltageDrop(double coefficient, double current, double length, double impedance);

// A drop as the forms and the sheet hold it: 2 decimals with separators. A
// drop too large for any number (a length of 1e308) is a ConversionError,
// never the text "INF" in a cell.
std::string DropText(double drop);

// Fraction of the band table for a length (60, 120 and 200 m belong to the
// lower band). Transformer: 3/5/6/7 %, utility: 2/4/6/7 %.
double AllowableDropBandFraction(SupplyKind kind, double length);

struct AllowableFraction {
    double fraction = 0;
    std::string percentText;  // what the percentage field shows afterwards
};
// The fraction for a supply choice; with a given percentage, that percentage
// (read as a decimal number, ConversionError otherwise) and the field as typed;
// otherwise the band fraction and the field overwritten with it in percent.
AllowableFraction AllowableDropPercent(const SupplyChoice& supply, double length);

// round(V × percent / 100) with the percentage as written, halves to the even
// neighbour (230 V at 5 % is 11.5 V and gives 12).
double AllowableDrop(double referenceVoltage, const AllowableFraction& fraction);

// A run passes when its drop does not exceed the allowable drop.
bool DropPasses(double drop, double allowable);

}  // namespace tolvane
