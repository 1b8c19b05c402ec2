#include "calc/voltage_drop.h"

#include <cmath>

#include "text/exact_decimal.h"
#include "text/numbers.h"

namespace tolvane {

double CableImpedance(double r, double x, double cosTheta)
{
    double sinTheta = std::sqrt(1.0 - cosTheta * cosTheta);
    return r * cosTheta + x * sinTheta;
}

std::string ImpedanceText(double impedance) { return formatFixed(impedance, 3); }

double VoltageDrop(double coefficient, double current, double length, double impedance)
{
    return coefficient * current * length * impedance * 0.001;
}

std::string DropText(double drop)
{
    if (!std::isfinite(drop)) throw ConversionError::overflow(formatShortest(drop), "電圧降下");
    return formatFixed(drop, 2);
}

double AllowableDropBandFraction(SupplyKind kind, double length)
{
    bool utility = kind == SupplyKind::Utility;
    if (length <= 60) return utility ? 0.02 : 0.03;
    if (length <= 120) return utility ? 0.04 : 0.05;
    if (length <= 200) return 0.06;
    return 0.07;
}

AllowableFraction AllowableDropPercent(const SupplyChoice& supply, double length)
{
    if (supply.kind == SupplyKind::GivenPercent)
        return {parseDecimal(supply.percent) * 0.01, supply.percent};
    double fraction = AllowableDropBandFraction(supply.kind, length);
    return {fraction, formatShortest(fraction * 100)};
}

double AllowableDrop(double referenceVoltage, const AllowableFraction& fraction)
{
    return (ExactDecimal::fromDouble(referenceVoltage) * ExactDecimal::parse(fraction.percentText) *
            ExactDecimal(1, 2))
        .roundHalfEven();
}

bool DropPasses(double drop, double allowable) { return drop <= allowable; }

}  // namespace tolvane
