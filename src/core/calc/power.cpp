#include "calc/power.h"

#include <cmath>

namespace tolvane {

double PowerFromCurrent(double current, double voltage, double p, Circuit circuit)
{
    switch (circuit) {
    case Circuit::SinglePhase: return current * voltage * p * 0.01 / 1000;
    case Circuit::ThreePhase: return std::sqrt(3.0) * current * voltage * p * 0.01 / 1000;
    case Circuit::None: break;
    }
    return 0;
}

double CurrentFromPower(double power, double voltage, double p, Circuit circuit)
{
    switch (circuit) {
    case Circuit::SinglePhase: return (power * 1000) / (voltage * p * 0.01);
    case Circuit::ThreePhase: return (power * 1000) / (std::sqrt(3.0) * voltage * p * 0.01);
    case Circuit::None: break;
    }
    return 0;
}

double ApparentPower(double power, double p) { return power / (p / 100); }

}  // namespace tolvane
