// The families of the cable window's family list, with the types each offers,
// its conductor-temperature note, the catalogue table it loads and its panel.
#include <algorithm>
#include <vector>

#include "cables/impedance.h"

namespace tolvane {
namespace {

constexpr std::string_view kTypesCvtCvd[] = {"CV-T", "CV-D", "CE-T", "CE-D"};
constexpr std::string_view kTypesCvq[] = {"CV-Q", "CE-Q"};
constexpr std::string_view kTypesCv[] = {"CV", "CE"};
constexpr std::string_view kTypesIv[] = {"IV"};
constexpr std::string_view kTypesIe[] = {"EM-IE"};
constexpr std::string_view kTypesVv[] = {"VV"};
constexpr std::string_view kTypesVvf[] = {"VVF"};
constexpr std::string_view kTypesEef[] = {"EEF"};
constexpr std::string_view kTypesFp[] = {"EM-FP"};
constexpr std::string_view kTypesFpMultiplex[] = {"EM-FPT", "EM-FPD"};

constexpr std::string_view kNote90 = "(90℃)";
constexpr std::string_view kNote75 = "(75℃)";
constexpr std::string_view kNote60 = "(60℃)";

using enum CatalogueTable;
using enum CorrectionPanel;

}  // namespace

std::span<const CableFamily> CableFamilies()
{
    static const CableFamily kFamilies[] = {
        {1, "600V CVD、600V CVT及びEM 600V CED/F、EM 600V CET/F", kTypesCvtCvd, ImpedanceFamily1(), kNote90, CVT, Laying},
        {2, "600V CVQ及びEM 600V CEQ/F", kTypesCvq, ImpedanceFamily2(), kNote90, CVT, Laying},
        {3, "600V CV及びEM 600V CE/F単心 S＝俵積み", kTypesCv, ImpedanceFamily3(), kNote90, CV, Laying},
        {4, "600V CV及びEM 600V CE/F単心 平積（S＝2d）布設", kTypesCv, ImpedanceFamily4(), kNote90, CV, Laying},
        {5, "600V CV及びEM 600V CE/F 2心、3心一括シース", kTypesCv, ImpedanceFamily5(), kNote90, CV, Laying},
        {6, "600V CV及びEM 600V CE/F 4心一括シース", kTypesCv, ImpedanceFamily6(), kNote90, CV, Laying},
        {7, "IV（2本（密着）及び3本俵積）", kTypesIv, ImpedanceFamily7(), "", IV, IvConduit},
        {8, "IV（3本平積（密着））", kTypesIv, ImpedanceFamily8(), "", IV, IvConduit},
        {9, "EM IE/F（2本（密着）及び3本俵積）", kTypesIe, ImpedanceFamily9(), "", IV, IvConduit},
        {10, "EM IE/F（3本平積（密着））", kTypesIe, ImpedanceFamily10(), "", IV, IvConduit},
        {11, "600V VV2心、3心一括シース", kTypesVv, ImpedanceFamily11(), kNote60, VvfVv, Laying},
        {12, "VVF", kTypesVvf, ImpedanceFamily12(), kNote60, VvfVv, Laying},
        {13, "VV", kTypesVv, ImpedanceFamily13(), "", VvfVv, Laying},
        {14, "EM 600Ｖ EEF/F", kTypesEef, ImpedanceFamily14(), kNote75, VvfVv, Laying},
        {15, "600V EM-FP 単心 平積（S＝2d）布設", kTypesFp, ImpedanceFamily15(), kNote75, FP, Laying},
        {0, kFlatFpFamily, kTypesFp, ImpedanceFlatFp(), kNote75, FP, Laying},
        {16, "600V EM-FP 2心、3心一括シース", kTypesFp, ImpedanceFamily16(), kNote75, FP, Laying},
        {17, "600V EM-FPD，600V EM-FPT", kTypesFpMultiplex, ImpedanceFamily17(), "", FP, Laying},
    };
    return kFamilies;
}

const CableFamily* FindCableFamily(std::string_view name)
{
    auto families = CableFamilies();
    auto it = std::find_if(families.begin(), families.end(), [&](const CableFamily& f) { return f.name == name; });
    return it == families.end() ? nullptr : &*it;
}

std::span<const std::string_view> FamilyListItems()
{
    static const auto kItems = [] {
        std::vector<std::string_view> items;
        // The families are held in number order apart from the typed-only one.
        for (const auto& f : CableFamilies())
            if (f.number != 0) items.push_back(f.name);
        return items;
    }();
    return kItems;
}

std::string_view FamilyName(int number)
{
    auto items = FamilyListItems();
    if (number < 1 || number > static_cast<int>(items.size())) return {};
    return items[number - 1];
}

}  // namespace tolvane
