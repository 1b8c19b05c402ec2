#include "sizing/run_cables.h"

#include <algorithm>

#include "calc/electrical_system.h"
#include "sizing/cable_offers.h"
#include "text/numbers.h"

namespace tolvane {
namespace {

// A designation without its half-width and full-width blanks.
std::string compact(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ') continue;
        if (text.substr(i).starts_with("　")) {
            i += std::string_view("　").size() - 1;
            continue;
        }
        out += text[i];
    }
    return out;
}

// The cores a system's runs need, as the digit the size names them with.
char coresOfSystem(std::string_view system)
{
    if (system == kSystemSingle2 || system == kSystemDc2) return '2';
    if (system == kSystemSingle3 || system == kSystemThree3) return '3';
    return 0;
}

// The core suffix the run keeps: its own size's, else one of the family's
// suffixes that names the system's cores, else the family's first.
std::string suffixOfRun(const CableFamily& family, const std::optional<std::string>& ownSize, std::string_view system)
{
    if (ownSize) return coreSuffix(*ownSize);
    std::vector<std::string> suffixes;
    for (const ImpedanceEntry& e : family.entries) {
        std::string s = coreSuffix(e.size);
        if (std::find(suffixes.begin(), suffixes.end(), s) == suffixes.end()) suffixes.push_back(s);
    }
    const char cores = coresOfSystem(system);
    for (const std::string& s : suffixes)
        if (cores && s.find(cores) != std::string::npos) return s;
    return suffixes.empty() ? std::string() : suffixes.front();
}

}  // namespace

std::optional<DesignationMatch> matchDesignation(std::string_view designation, const CableFamily* only)
{
    const std::string wanted = compact(designation);
    if (wanted.empty()) return std::nullopt;
    for (std::string_view name : FamilyListItems()) {
        const CableFamily* family = FindCableFamily(name);
        if (only && family != only) continue;
        for (std::string_view type : family->types)
            for (const ImpedanceEntry& e : family->entries)
                if (compact(std::string(type) + std::string(e.size)) == wanted)
                    return DesignationMatch{family, std::string(type), std::string(e.size)};
    }
    return std::nullopt;
}

StoredCable storedCableOf(const Sheet& sheet, int row)
{
    StoredCable cable;
    cable.designation = sheet.cell(col::Cable, row);
    cable.allowable = sheet.cell(col::Allowable, row);
    cable.impedance = sheet.cell(col::Impedance, row);
    cable.powerFactor = sheet.cell(col::PowerFactor, row);
    return cable;
}

const CableFamily* familyOption(std::string_view text)
{
    if (auto n = tryParseWhole(text)) return FindCableFamily(FamilyName(*n));
    if (text == kFlatFpFamily) return nullptr;  // not in the family list
    return FindCableFamily(text);
}

std::optional<RunCable> runCableOf(std::string_view designation, const CableFamily* given, std::string_view system)
{
    std::optional<DesignationMatch> own = matchDesignation(designation, given);
    const CableFamily* family = given ? given : own ? own->family : nullptr;
    if (!family) return std::nullopt;

    RunCable run;
    run.family = family;
    run.type = own ? own->type : std::string(family->types.front());
    const std::string suffix = suffixOfRun(*family, own ? std::optional(own->size) : std::nullopt, system);
    for (const ImpedanceEntry& e : family->entries)
        if (coreSuffix(e.size) == suffix) run.sizes.emplace_back(e.size);
    std::stable_sort(run.sizes.begin(), run.sizes.end(), [](const std::string& a, const std::string& b) {
        return conductorSection(a) < conductorSection(b);
    });
    return run;
}

std::vector<SizeChoice> sizeChoicesOf(const RunCable& run, CableOffers& offers, const CableCaller& caller)
{
    std::vector<SizeChoice> choices;
    const std::vector<CableOffer>& offered = offers.offers(*run.family, run.type, caller);
    for (const std::string& size : run.sizes) {
        auto offer = std::find_if(offered.begin(), offered.end(), [&](const CableOffer& o) { return o.size == size; });
        if (offer != offered.end() && offer->handBack) choices.push_back({size, *offer->handBack});
    }
    return choices;
}

}  // namespace tolvane
