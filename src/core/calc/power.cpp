#include "calc/power.h"

#include <cmath>

#include "calc/electrical_system.h"

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

CalculatorCircuit CalculatorCircuitOf(std::string_view system, std::string_view voltage)
{
    CalculatorCircuit c;
    if (system == kSystemThree3 || system == kSystemThree4) c.circuit = Circuit::ThreePhase;
    std::size_t slash = voltage.rfind('/');
    c.voltage = std::string(slash == std::string_view::npos ? voltage : voltage.substr(slash + 1));
    return c;
}

double ApparentPower(double power, double p) { return power / (p / 100); }

}  // namespace tolvane
