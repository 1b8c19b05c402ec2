// `calc`: the electrical rules of one run, printed as the forms show them.
#include <iostream>

#include "calc/breaker.h"
#include "calc/electrical_system.h"
#include "calc/power.h"
#include "calc/voltage_drop.h"
#include "cli/command.h"
#include "text/numbers.h"

namespace tolvane::cli {
namespace {

constexpr const char* kUsage =
    "calc impedance R X PF | drop SYSTEM I L Z | refvoltage VOLTAGE |\n"
    "       allowable transformer|utility|percent:N L REFVOLTAGE | breaker I |\n"
    "       dwelling N1 N2 IM | current single|three P V PF% | power single|three I V PF%";

int usage()
{
    std::cerr << "usage: tolvane-cli " << kUsage << "\n";
    return kExitBadInput;
}

Circuit circuitOf(const std::string& text)
{
    if (text == "single") return Circuit::SinglePhase;
    if (text == "three") return Circuit::ThreePhase;
    throw std::invalid_argument("回路は single か three で指定してください: " + text);
}

SupplyChoice supplyOf(const std::string& text)
{
    if (text == "transformer") return {SupplyKind::Transformer, "3"};
    if (text == "utility") return {SupplyKind::Utility, "3"};
    if (text.rfind("percent:", 0) == 0) return {SupplyKind::GivenPercent, text.substr(8)};
    throw std::invalid_argument("供給の種類は transformer, utility, percent:N のいずれかです: " + text);
}

int runCalc(const std::vector<std::string>& a)
{
    if (a.empty()) return usage();
    const std::string& what = a[0];
    auto need = [&](std::size_t n) { return a.size() == n + 1; };
    try {
        if (what == "impedance" && need(3)) {
            double pf = parseDecimal(a[3]);
            if (pf < 0 || pf > 1) throw std::invalid_argument("力率は0～1の数値を入力してください");
            std::cout << formatFixed(CableImpedance(parseDecimal(a[1]), parseDecimal(a[2]), pf), 3) << "\n";
        } else if (what == "drop" && need(4)) {
            double e = VoltageDrop(SystemCoefficient(a[1]), parseDecimal(a[2]), parseDecimal(a[3]), parseDecimal(a[4]));
            std::cout << formatFixed(e, 2) << "\n";
        } else if (what == "refvoltage" && need(1)) {
            std::cout << ReferenceVoltageOf(a[1]) << "\n";
        } else if (what == "allowable" && need(3)) {
            auto f = AllowableDropPercent(supplyOf(a[1]), parseDecimal(a[2]));
            if (!hasValue(a[3]) || !tryParseDecimal(a[3])) throw std::invalid_argument("計算基準電圧を入力してください");
            std::cout << f.percentText << " " << formatShortest(AllowableDrop(parseDecimal(a[3]), f)) << "\n";
        } else if (what == "breaker" && need(1)) {
            std::cout << SelectBreakerRating(parseDecimal(a[1])) << "\n";
        } else if (what == "dwelling" && need(3)) {
            auto d = DwellingFeederCurrent(ExactDecimal::parse(a[1]) + ExactDecimal::parse(a[2]), ExactDecimal::parse(a[3]));
            std::cout << formatShortest(d.current) << " " << d.shown << " " << d.breaker << "\n";
        } else if (what == "current" && need(4)) {
            double i = CurrentFromPower(parseDecimal(a[2]), parseDecimal(a[3]), parseDecimal(a[4]), circuitOf(a[1]));
            std::cout << formatFixed(i, 2) << "\n";
        } else if (what == "power" && need(4)) {
            double p = PowerFromCurrent(parseDecimal(a[2]), parseDecimal(a[3]), parseDecimal(a[4]), circuitOf(a[1]));
            std::cout << formatFixed(p, 0) << "\n";
        } else {
            return usage();
        }
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return kExitBadInput;
    }
    return kExitOk;
}

const CommandRegistration registration("calc", kUsage, runCalc);

}  // namespace
}  // namespace tolvane::cli
