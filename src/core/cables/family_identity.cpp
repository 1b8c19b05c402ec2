#include "cables/family_identity.h"

#include <cmath>
#include <functional>

#include "calc/voltage_drop.h"
#include "text/numbers.h"

namespace tolvane {
namespace {

// A designation without its half-width and full-width blanks.
std::string compact(std::string_view text)
{
    constexpr std::string_view kWideBlank = "　";
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ') continue;
        if (text.substr(i).starts_with(kWideBlank)) {
            i += kWideBlank.size() - 1;
            continue;
        }
        out += text[i];
    }
    return out;
}

// Two values equal as texts of `decimals` decimals show them; false when
// either is not a number.
bool sameValue(std::string_view stored, std::optional<double> computed, int decimals)
{
    const std::optional<double> value = tryParseDecimal(stored);
    if (!value || !computed) return false;
    const double scale = std::pow(10.0, decimals);
    return std::llround(*value * scale) == std::llround(*computed * scale);
}

// What one family's hand-back reproduces of the stored cable.
struct Reproduction {
    bool impedance = false;
    bool allowable = false;
};

Reproduction reproductionOf(const StoredCable& cable, const std::optional<CableHandBack>& back)
{
    Reproduction got;
    if (!back) return got;
    const std::optional<double> r = tryParseDecimal(back->r), x = tryParseDecimal(back->x);
    if (cable.r && cable.x) {
        // R and X as the catalogue tables give them: compared as numbers.
        const auto stored = [](const std::string& text) { return tryParseDecimal(text); };
        got.impedance = r && x && stored(*cable.r) == r && stored(*cable.x) == x;
    } else if (const std::optional<double> pf = tryParseDecimal(cable.powerFactor); pf && r && x && *pf >= 0 && *pf <= 1) {
        got.impedance = sameValue(cable.impedance, CableImpedance(*r, *x, *pf), 3);
    }
    got.allowable = sameValue(cable.allowable, tryParseDecimal(back->allowable), 0);
    return got;
}

}  // namespace

std::vector<FamilyChoice> familiesWriting(std::string_view designation, const CableFamily* only)
{
    std::vector<FamilyChoice> found;
    const std::string wanted = compact(designation);
    if (wanted.empty()) return found;
    // The first type and size of a family that write the designation.
    auto writtenBy = [&](const CableFamily& family) -> std::optional<FamilyChoice> {
        for (std::string_view type : family.types)
            for (const ImpedanceEntry& e : family.entries)
                if (compact(std::string(type) + std::string(e.size)) == wanted)
                    return FamilyChoice{&family, std::string(type), std::string(e.size)};
        return std::nullopt;
    };
    for (const CableFamily& family : CableFamilies())
        if (!only || &family == only)
            if (std::optional<FamilyChoice> choice = writtenBy(family)) found.push_back(std::move(*choice));
    return found;
}

FamilyIdentity identifyFamily(const StoredCable& cable, const CableCaller& caller, HandBackSource& handBacks)
{
    using Result = FamilyIdentity::Result;
    FamilyIdentity identity;
    std::vector<FamilyChoice> offering = familiesWriting(cable.designation);
    if (offering.empty()) return identity;
    if (offering.size() == 1) {
        identity.result = Result::Identified;
        identity.families = std::move(offering);
        return identity;
    }

    std::vector<Reproduction> reproduced;
    for (const FamilyChoice& choice : offering)
        reproduced.push_back(reproductionOf(cable, handBacks.handBack(*choice.family, choice.type, choice.size, caller)));

    const std::function<bool(const Reproduction&)> steps[] = {
        [](const Reproduction& r) { return r.impedance && r.allowable; },
        [](const Reproduction& r) { return r.impedance; },
        [](const Reproduction& r) { return r.allowable; },
    };
    for (const auto& step : steps) {
        std::vector<FamilyChoice> left;
        for (std::size_t i = 0; i < offering.size(); ++i)
            if (step(reproduced[i])) left.push_back(offering[i]);
        if (left.empty()) continue;
        identity.result = left.size() == 1 ? Result::Identified : Result::Ambiguous;
        identity.families = std::move(left);
        return identity;
    }
    identity.result = Result::Ambiguous;
    identity.families = std::move(offering);
    return identity;
}

}  // namespace tolvane
