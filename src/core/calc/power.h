// Load power and current (the current calculator).
#pragma once

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
// S [kVA] = P / (p / 100)
double ApparentPower(double power, double powerFactorPercent);

}  // namespace tolvane
