#include "shortcircuit/short_circuit.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <unordered_map>

#include "calc/electrical_system.h"
#include "sheet/feeder_totals.h"
#include "sheet/feeder_totals_sheet.h"
#include "sheet/tree_marks.h"
#include "shortcircuit/row_cable.h"
#include "sizing/cable_offers.h"
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

namespace {

using Ohms = std::complex<double>;

// The faults a row is computed for, by its system and the bank's phases.
enum class Circuit {
    ThreePhase,        // 三相3線 on a 三相 bank
    ThreePhaseFour,    // 三相4線: three-phase and line-to-neutral
    TwoWireOnThree,    // 単相2線 200 V between two lines of a 三相 bank
    SingleThreeWire,   // 単相3線 on a 単相 bank: line-to-line and line-to-neutral
    SingleLineToLine,  // 単相2線 200 V on a 単相 bank
    SingleLineToNeutral,  // 単相2線 100 V on a 単相 bank
};

// What a system asks of a bank, in the order an empty bank cell looks for one.
struct SystemNeed {
    std::string_view system;
    bool twoHundred;        // 単相2線 at 200 V (any other voltage: 100 V)
    BankPhases phases;
    Circuit circuit;
};
constexpr SystemNeed kNeeds[] = {
    {kSystemSingle3, false, BankPhases::Single, Circuit::SingleThreeWire},
    {kSystemSingle3, true, BankPhases::Single, Circuit::SingleThreeWire},
    {kSystemSingle2, false, BankPhases::Single, Circuit::SingleLineToNeutral},
    {kSystemSingle2, true, BankPhases::Single, Circuit::SingleLineToLine},
    {kSystemSingle2, true, BankPhases::Three, Circuit::TwoWireOnThree},
    {kSystemThree3, false, BankPhases::Three, Circuit::ThreePhase},
    {kSystemThree3, true, BankPhases::Three, Circuit::ThreePhase},
    {kSystemThree4, false, BankPhases::Three, Circuit::ThreePhaseFour},
    {kSystemThree4, true, BankPhases::Three, Circuit::ThreePhaseFour},
};

std::optional<Circuit> circuitFor(std::string_view system, bool twoHundred, BankPhases phases)
{
    for (const SystemNeed& n : kNeeds)
        if (n.system == system && n.twoHundred == twoHundred && n.phases == phases) return n.circuit;
    return std::nullopt;
}

// The source and bank of one bank, in ohms at its secondary voltage.
struct Source {
    BankValues bank;
    Ohms zs;    // supply, pure reactance
    Ohms zt;    // bank, full winding
    Ohms ztLn;  // 単相 bank, half winding on the half-voltage base
};

Source sourceOf(const BankValues& b)
{
    Source s{b, {}, {}, {}};
    const double v2 = b.voltage * b.voltage;
    if (b.hvKa) s.zs = Ohms(0, v2 / (std::sqrt(3.0) * b.hvKv * 1e3 * *b.hvKa * 1e3));
    const double st = b.kva * 1e3;
    s.zt = Ohms(b.percentR, b.percentX) / 100.0 * v2 / st;
    const double vln = b.voltage / 2;
    s.ztLn = Ohms(1.5 * b.percentR, 1.2 * b.percentX) / 100.0 * vln * vln / st;
    return s;
}

// One fault: its current [kA] and the impedance of its loop.
struct Fault {
    double ka = 0;
    Ohms loop;
};

// The faults of a circuit with the cables ΣZ_c (per conductor) up to the point.
struct PointFaults {
    FaultCurrents currents;
    Fault checked;
};

PointFaults faultsAt(const Source& s, Circuit circuit, Ohms zc)
{
    const double v = s.bank.voltage;
    const double sqrt3 = std::sqrt(3.0);
    auto fault = [](double volts, Ohms loop) { return Fault{volts / std::abs(loop) / 1e3, loop}; };
    const Ohms z1 = s.zs + s.zt + zc;
    std::optional<Fault> threePhase, lineToLine, lineToNeutral;
    switch (circuit) {
    case Circuit::ThreePhase:
        threePhase = fault(v / sqrt3, z1);
        break;
    case Circuit::ThreePhaseFour:
        threePhase = fault(v / sqrt3, z1);
        // Delta-star bank: its zero-sequence impedance ≈ Z_t, the supply's is
        // blocked; a cable's ≈ 4·Z_c with a neutral of the phase size.
        lineToNeutral = fault(3 * v / sqrt3, 2.0 * z1 + (s.zt + 4.0 * zc));
        break;
    case Circuit::TwoWireOnThree:
        lineToLine = fault(v, 2.0 * z1);
        break;
    case Circuit::SingleThreeWire:
    case Circuit::SingleLineToLine:
    case Circuit::SingleLineToNeutral:
        if (circuit != Circuit::SingleLineToNeutral) lineToLine = fault(v, 2.0 * s.zs + s.zt + 2.0 * zc);
        if (circuit != Circuit::SingleLineToLine) lineToNeutral = fault(v / 2, s.zs / 2.0 + s.ztLn + 2.0 * zc);
        break;
    }
    PointFaults out;
    auto take = [&](const std::optional<Fault>& f, std::optional<double>& into) {
        if (!f) return;
        into = f->ka;
        if (f->ka > out.checked.ka) out.checked = *f;
    };
    take(threePhase, out.currents.threePhase);
    take(lineToLine, out.currents.lineToLine);
    take(lineToNeutral, out.currents.lineToNeutral);
    out.currents.checked = out.checked.ka;
    return out;
}

double kappaOf(Ohms loop)
{
    if (loop.imag() <= 0) return 1.02;
    return 1.02 + 0.98 * std::exp(-3 * loop.real() / loop.imag());
}

// IEC 60909's thermal equivalent current far from generators (n = 1).
double thermalCurrent(double ka, double kappa, double frequency, double seconds)
{
    const double l = std::log(kappa - 1);
    const double ft = frequency * seconds;
    // A loop without resistance (κ = 2) keeps its offset: m tends to 2.
    const double m = std::fabs(l) < 1e-12 ? 2.0 : (std::exp(4 * ft * l) - 1) / (2 * ft * l);
    return ka * std::sqrt(m + 1);
}

// An entered breaking capacity against a current.
CheckState judgeIcu(std::string_view entered, double ka)
{
    if (!hasValue(entered)) return CheckState::NotJudged;
    std::optional<double> icu = tryParseDecimal(entered);
    if (!icu || !std::isfinite(*icu) || *icu <= 0) return CheckState::BadInput;
    return *icu >= ka ? CheckState::Passed : CheckState::Failed;
}

std::string judgementOf(const ShortCircuitRow& r)
{
    struct Item {
        CheckState state;
        std::string_view shortfall;
        std::string_view device;
        const std::string* entered;
    };
    const Item items[] = {
        {r.breakerCheck, "遮断器の遮断容量不足", "遮断器", &r.breakerIcu},
        {r.mainCheck, "主幹器具の遮断容量不足", "主幹器具", &r.mainIcu},
        {r.cableCheck, "ケーブルの短絡耐量不足", "", nullptr},
    };
    std::string failures;
    bool judged = false;
    for (const Item& i : items) {
        if (i.state == CheckState::NotJudged) continue;
        judged = true;
        if (i.state == CheckState::Passed) continue;
        if (!failures.empty()) failures += "・";
        if (i.state == CheckState::Failed)
            failures += i.shortfall;
        else
            failures += std::string(i.device) + "のIcu「" + *i.entered + "」が数値ではありません";
    }
    if (!failures.empty()) return "×：" + failures;
    return std::string(judged ? kJudgementPassed : kJudgementNone);
}

// The bank that feeds a feeder: the named one, else the first that fits.
struct BankChoice {
    const TransformerBank* bank = nullptr;
    Circuit circuit = Circuit::ThreePhase;
    std::string reason;
};

BankChoice chooseBank(const SupplyConditions& supply, std::string_view named, std::string_view system,
                      bool twoHundred)
{
    BankChoice choice;
    // Only a 単相2線 row's voltage decides which bank fits it.
    const std::string what = std::string(system) + (system == kSystemSingle2 && twoHundred ? " 200V" : "");
    if (hasValue(named)) {
        choice.bank = supply.findBank(named);
        if (!choice.bank) {
            choice.reason = "バンク「" + std::string(named) + "」が電源条件にありません";
            return choice;
        }
        if (auto c = circuitFor(system, twoHundred, choice.bank->phases)) {
            choice.circuit = *c;
        } else {
            choice.reason = "バンク「" + std::string(named) + "」（" + std::string(phasesText(choice.bank->phases)) +
                            "）は" + what + "の幹線に使えません";
            choice.bank = nullptr;
        }
        return choice;
    }
    if (supply.banks.empty()) {
        choice.reason = "電源条件のバンクがありません";
        return choice;
    }
    // The phases in the order they are looked for: a 単相2線 200 V row takes a
    // 単相 bank before a 三相 one.
    for (BankPhases phases : {BankPhases::Single, BankPhases::Three})
        if (auto c = circuitFor(system, twoHundred, phases))
            for (const TransformerBank& b : supply.banks)
                if (b.phases == phases) {
                    choice.bank = &b;
                    choice.circuit = *c;
                    return choice;
                }
    choice.reason = what + "に使える電源のバンクがありません";
    return choice;
}

// The row's cells, shown as the sheet holds them.
ShortCircuitRow rowCells(const Sheet& sheet, int r)
{
    ShortCircuitRow row;
    row.row = r;
    row.name = sheet.cell(col::Name, r);
    row.loadName = sheet.cell(col::LoadName, r);
    row.system = sheet.cell(col::System, r);
    row.voltage = sheet.cell(col::Voltage, r);
    row.cable = sheet.cell(col::Cable, r);
    row.length = sheet.cell(col::Length, r);
    row.breakerRating = sheet.cell(col::Breaker, r);
    row.breakerIcu = sheet.cell(col::BreakerIcu, r);
    row.mainRating = sheet.cell(col::MainDevice, r);
    row.mainIcu = sheet.cell(col::MainIcu, r);
    const std::string& m = sheet.cell(col::Mark, r);
    row.feederHead = m == mark::Single || m == mark::Head;
    for (std::string* cell : {&row.name, &row.loadName, &row.system, &row.voltage, &row.cable, &row.length,
                              &row.breakerRating, &row.breakerIcu, &row.mainRating, &row.mainIcu})
        if (!hasValue(*cell)) cell->clear();
    return row;
}

// A whole number of 200 in a voltage text ("200", "100/200" is 100 V).
bool isTwoHundred(std::string_view system, std::string_view voltage)
{
    if (!hasValue(voltage)) {
        auto fallback = DefaultVoltage(system);
        voltage = fallback ? std::string_view(fallback->voltage) : std::string_view();
        return voltage == "200";
    }
    return voltage == "200";
}

// Caches the cable of every row kind met: a building repeats a few cables.
class CableCache {
public:
    CableCache(const Sheet& sheet, int frequency) : sheet_(sheet), frequency_(frequency), offers_(Tdensen()) {}
    const RowCable& of(int row, const std::string& system)
    {
        // Everything the identification reads of the row.
        std::string key = system;
        for (int c : {col::Cable, col::Allowable, col::Impedance, col::PowerFactor, col::Method, col::SubMethod}) {
            key += '\t';
            key += sheet_.cell(c, row);
        }
        key += sheet_.cell(col::Mark, row) == mark::Single ? "\t1" : "\t2";
        auto it = cache_.find(key);
        if (it == cache_.end())
            it = cache_.emplace(std::move(key), identifyRowCable(sheet_, row, frequency_, system, offers_)).first;
        return it->second;
    }

private:
    const Sheet& sheet_;
    int frequency_;
    CableOffers offers_;
    std::unordered_map<std::string, RowCable> cache_;
};

// R at 20 °C from the tabled resistance at `tabledC`.
double resistanceAt20(double r, double tabledC) { return r * (234.5 + 20) / (234.5 + tabledC); }

void computeFeeder(const Sheet& sheet, FeederRange range, const SupplyConditions& supply,
                   const std::vector<std::optional<Source>>& sources, int frequency, double seconds,
                   CableCache& cables, std::vector<ShortCircuitRow>& out)
{
    const FeederWalk walk = walkFeeder(sheet, range);
    if (walk.from.empty()) return;
    const int head = walk.first;
    const std::string system = hasValue(sheet.cell(col::System, head)) ? sheet.cell(col::System, head) : "";
    const bool twoHundred = isTwoHundred(system, sheet.cell(col::Voltage, head));

    std::string feederReason;
    const Source* source = nullptr;
    Circuit circuit = Circuit::ThreePhase;
    std::string bankName;
    if (system == kSystemDc2) {
        feederReason = kNotComputedDc;
    } else if (SystemCoefficient(system) == 0) {
        feederReason = "電気方式「" + system + "」は計算できません";
    } else {
        BankChoice choice = chooseBank(supply, sheet.cell(col::BankName, head), system, twoHundred);
        if (choice.bank) {
            source = &*sources[static_cast<std::size_t>(choice.bank - supply.banks.data())];
            circuit = choice.circuit;
            bankName = choice.bank->name;
        } else {
            feederReason = choice.reason;
        }
    }

    // ΣZ_c from the bus to the end of every row's run; a row whose cable is
    // unknown passes its reason on to every row reached through it.
    std::vector<Ohms> toEnd(walk.from.size());
    std::vector<std::string> blocked(walk.from.size());
    for (int r = walk.first; r <= walk.last(); ++r) {
        const std::size_t i = static_cast<std::size_t>(r - walk.first);
        if (!hasValue(sheet.cell(col::Mark, r))) continue;
        ShortCircuitRow row = rowCells(sheet, r);
        if (row.system.empty()) row.system = system;
        if (row.voltage.empty()) row.voltage = sheet.cell(col::Voltage, head);
        row.bank = bankName;

        const int from = walk.startOf(r);
        const Ohms atStart = from < 0 ? Ohms() : toEnd[static_cast<std::size_t>(from - walk.first)];
        // A row reached through a run that cannot be computed takes that
        // run's reason; its own cable is not looked at.
        const std::string inherited = from < 0 ? std::string() : blocked[static_cast<std::size_t>(from - walk.first)];
        std::string ownProblem;
        Ohms own;
        const RowCable* cable = nullptr;
        std::optional<double> length = hasValue(row.length) ? tryParseDecimal(row.length) : std::optional<double>(0);
        if (feederReason.empty() && inherited.empty()) {
            if (!length || !std::isfinite(*length) || *length < 0) {
                ownProblem = "こう長「" + row.length + "」が数値ではありません";
            } else if (!row.cable.empty()) {
                cable = &cables.of(r, system);
                if (!cable->family)
                    ownProblem = cable->reason;
                else
                    own = Ohms(resistanceAt20(cable->rPerKm, cable->tabledC), cable->xPerKm) * (*length / 1000);
            } else if (*length > 0) {
                ownProblem = "ケーブルが選ばれていません";
            }
        }
        toEnd[i] = atStart + own;
        blocked[i] = !inherited.empty()     ? inherited
                     : ownProblem.empty() ? std::string()
                                           : "上流のシート行 " + std::to_string(r) + " で" + ownProblem;
        const std::string reason = !feederReason.empty() ? feederReason : !inherited.empty() ? inherited : ownProblem;

        if (!reason.empty()) {
            row.reason = reason;
            row.judgement = reason;
            out.push_back(std::move(row));
            continue;
        }
        const PointFaults start = faultsAt(*source, circuit, atStart);
        const PointFaults end = faultsAt(*source, circuit, toEnd[i]);
        row.start = start.currents;
        row.end = end.currents;
        const Ohms loop = start.checked.loop;
        row.xOverR = loop.real() > 0 ? loop.imag() / loop.real() : std::numeric_limits<double>::infinity();
        row.powerFactor = loop.real() / std::abs(loop);
        row.kappa = kappaOf(loop);
        row.peakKa = row.kappa * std::sqrt(2.0) * row.start.checked;

        if (!row.breakerRating.empty() || !row.breakerIcu.empty()) row.breakerRequired = requiredIcuText(row.start.checked);
        row.breakerCheck = judgeIcu(row.breakerIcu, row.start.checked);
        if (!row.mainRating.empty() || !row.mainIcu.empty()) row.mainRequired = requiredIcuText(row.end.checked);
        row.mainCheck = judgeIcu(row.mainIcu, row.end.checked);

        if (cable) {
            const InsulationClass* insulation = insulationOf(cable->type);
            row.section = cable->section;
            row.thermalKa = thermalCurrent(row.start.checked, row.kappa, frequency, seconds);
            row.minimumSection = row.thermalKa * 1e3 * std::sqrt(seconds) / insulation->k();
            row.cableCheck = row.section >= row.minimumSection ? CheckState::Passed : CheckState::Failed;
        }
        row.judgement = judgementOf(row);
        out.push_back(std::move(row));
    }
}

}  // namespace

ShortCircuitResult computeShortCircuit(const Sheet& sheet, const SupplyConditions& supply, int frequency)
{
    ShortCircuitResult result;
    std::string everyRow;
    std::optional<double> seconds = breakingTimeSeconds(supply.breakingTime);
    if (auto problem = checkSupply(supply))
        everyRow = *problem;
    else if (frequency != 50 && frequency != 60)
        everyRow = "周波数（50Hz・60Hz）が選ばれていません";

    std::vector<std::optional<Source>> sources;
    for (const TransformerBank& b : supply.banks) {
        BankCheck check = checkBank(b);
        sources.push_back(check.values ? std::optional(sourceOf(*check.values)) : std::nullopt);
    }
    CableCache cables(sheet, frequency);
    for (FeederRange range : allFeederRanges(sheet)) {
        if (!everyRow.empty()) {
            const FeederWalk walk = walkFeeder(sheet, range);
            for (int r = walk.first; r <= walk.last(); ++r) {
                if (!hasValue(sheet.cell(col::Mark, r))) continue;
                ShortCircuitRow row = rowCells(sheet, r);
                row.reason = row.judgement = everyRow;
                result.rows.push_back(std::move(row));
            }
            continue;
        }
        computeFeeder(sheet, range, supply, sources, frequency, *seconds, cables, result.rows);
    }
    return result;
}

}  // namespace tolvane
