// Load power and current (the current calculator).
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

enum class Circuit {
    None,         // neither radio button chosen: results are 0
    SinglePhase,  // 単相2線、単相３線
    ThreePhase,   // ３相３線
};

// P [kW] from I [A], V [V] and the power factor in percent.
double PowerFromCurrent(double current, double voltage, double powerFactorPercent, Circuit circuit);
// I [A] from P [kW], V [V] and the power factor in percent.
double CurrentFromPower(double power, double voltage, double powerFactorPercent, Circuit circuit);
// The calculator's circuit and voltage for a run's system and voltage texts:
// three-phase for "三相3線" and "三相4線", single-phase otherwise; the voltage
// between lines, the larger of two ("100/200" -> "200", "230/400" -> "400").
struct CalculatorCircuit {
    Circuit circuit = Circuit::SinglePhase;
    std::string voltage;
};
CalculatorCircuit CalculatorCircuitOf(std::string_view system, std::string_view voltage);
// S [kVA] = P / (p / 100)
double ApparentPower(double power, double powerFactorPercent);

}  // namespace tolvane
