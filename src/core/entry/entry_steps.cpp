#include "entry/entry_steps.h"

#include "calc/breaker.h"
#include "calc/electrical_system.h"
#include "host/host.h"
#include "text/numbers.h"

namespace tolvane {

std::vector<std::string> numberItems(int from, int to)
{
    std::vector<std::string> items;
    for (int i = from; i <= to; ++i) items.push_back(std::to_string(i));
    return items;
}

std::vector<std::string> ratingItems() { return {kRatingList.begin(), kRatingList.end()}; }

std::vector<std::string> textItems(std::initializer_list<std::string_view> items)
{
    return {items.begin(), items.end()};
}

MethodLayout methodLayoutOf(std::string_view method)
{
    MethodLayout layout;
    if (method == "地中保護管配線") {
        layout.depthVisible = true;
        layout.cableButtonLower = true;
    } else if (method == "気中暗渠配線" || method == "保護管配線" || method == "ｹｰﾌﾞﾙﾗｯｸ配線(気中)" ||
               method == "ｹｰﾌﾞﾙﾗｯｸ配線(蓋付)") {
        layout.opensCableWindow = true;
    }
    if (method == "ｹｰﾌﾞﾙﾗｯｸ配線(気中)")
        layout.note = "※ 気中暗渠配線";
    else if (method == "ｹｰﾌﾞﾙﾗｯｸ配線(蓋付)")
        layout.note = "※[ 保護管配線 ]";
    return layout;
}

bool usable(Host* host, std::string& focus, RunValue kind, double value, std::string_view control)
{
    if (runValueUsable(kind, value)) return true;
    if (host) host->informYes(runValueMessage(kind));
    focus = control;
    return false;
}

bool impedanceStep(Host* host, std::string& focus, const ImpedanceFields& f)
{
    if (f.r == kNoR || f.x == kNoX) return true;
    if (!hasValue(f.powerFactor)) {
        if (host) host->informYes(msg::EnterPowerFactor);
        focus = f.powerFactorControl;
        return false;
    }
    // Above 1 there is no sin θ; at 0 or below no load draws a current.
    double cosTheta = parseDecimal(f.powerFactor);
    if (!usable(host, focus, RunValue::PowerFactor, cosTheta, f.powerFactorControl)) return false;
    f.impedance = ImpedanceText(CableImpedance(parseDecimal(f.r), parseDecimal(f.x), cosTheta));
    return true;
}

bool dropStep(Host* host, std::string& focus, const DropFields& f)
{
    if (!hasValue(f.current)) {
        if (host) host->informYes(f.missingCurrentMessage);
        focus = f.currentControl;
        return false;
    }
    if (!hasValue(f.length)) {
        if (host) host->informYes(f.missingLengthMessage);
        focus = f.lengthControl;
        return false;
    }
    const double current = parseDecimal(f.current);
    if (!usable(host, focus, RunValue::Current, current, f.currentControl)) return false;
    const double length = parseDecimal(f.length);
    if (!usable(host, focus, RunValue::Length, length, f.lengthControl)) return false;
    if (f.impedance == kNoZ) return true;
    double e = VoltageDrop(SystemCoefficient(f.system), current, length, parseGrouped(f.impedance));
    f.drop = DropText(e);
    return true;
}

void allowableDropStep(const SupplyChoice& supply, double length, std::string& percent,
                       const std::string& referenceVoltage, std::string& allowableDrop)
{
    SupplyChoice choice{supply.kind, percent};
    AllowableFraction fraction = AllowableDropPercent(choice, length);
    percent = fraction.percentText;
    allowableDrop = formatShortest(AllowableDrop(parseDecimal(referenceVoltage), fraction));
}

DropVerdict judgeDrop(std::string_view drop, std::string_view allowableDrop)
{
    if (!hasValue(drop)) return DropVerdict::DropMissing;
    if (!hasValue(allowableDrop)) return DropVerdict::AllowableMissing;
    double e = parseGrouped(drop);
    double allowed = parseGrouped(allowableDrop);
    if (!DropPasses(e, allowed)) return DropVerdict::TooLarge;
    if (allowed > 0 && e >= 0.95 * allowed) return DropVerdict::Close;
    return DropVerdict::Passes;
}

bool dropMayBeRecorded(std::string_view drop, std::string_view allowableDrop)
{
    const DropVerdict verdict = judgeDrop(drop, allowableDrop);
    return verdict == DropVerdict::Passes || verdict == DropVerdict::Close;
}

bool tellDropVerdict(Host* host, DropVerdict verdict)
{
    auto tell = [host](std::string_view text) {
        if (host) host->informYes(text);
    };
    switch (verdict) {
    case DropVerdict::Passes:
        return true;
    case DropVerdict::Close:
        tell(msg::DropClose);
        return true;
    case DropVerdict::TooLarge:
        tell(msg::DropTooLarge);
        return false;
    case DropVerdict::DropMissing:
        tell(msg::DropMissing);
        return false;
    case DropVerdict::AllowableMissing:
        tell(msg::AllowableDropMissing);
        return false;
    }
    return false;
}

SupplyKind supplyKindOf(bool utility, bool givenPercent)
{
    return givenPercent ? SupplyKind::GivenPercent : utility ? SupplyKind::Utility : SupplyKind::Transformer;
}

}  // namespace tolvane
