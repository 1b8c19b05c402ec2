// The cable families offered in the cable window, each with its table of
// nominal sizes and the AC conductor resistance and reactance per kilometre
// at 50 Hz and 60 Hz, the cable types it offers, the conductor-temperature
// note, the catalogue table it loads and the correction panel it shows.
#pragma once

#include <span>
#include <string_view>

#include "cables/catalogue.h"

namespace tolvane {

struct ImpedanceEntry {
    std::string_view size;  // 公称断面積 with its unit mark: "38゜", "1.6mm", "1.6-2C"
    std::string_view r50;   // Ω/km
    std::string_view x50;
    std::string_view r60;
    std::string_view x60;
};

// Which correction panel a family shows: laying condition and ambient
// temperature (Panel5), or IV wire in conduit (Panel3).
enum class CorrectionPanel { Laying, IvConduit };

struct CableFamily {
    int number;                                // 1..17 as listed; 0 for the flat EM-FP that is only typed in
    std::string_view name;                     // the family list's text
    std::span<const std::string_view> types;   // the type list, first one selected
    std::span<const ImpedanceEntry> entries;
    std::string_view note;                     // conductor temperature: "(90℃)" ... or empty
    CatalogueTable catalogue;
    CorrectionPanel panel;
};

// Every family in the order the family display compares the list's text with
// them: 1 to 15, the typed-only flat EM-FP, then 16 and 17.
std::span<const CableFamily> CableFamilies();

// The family whose name equals the text; null for any other text.
const CableFamily* FindCableFamily(std::string_view name);

// The entries of the family list (the 17 numbered families, in order).
std::span<const std::string_view> FamilyListItems();

// The name of the family list entry n (1..17); empty otherwise.
std::string_view FamilyName(int number);

inline constexpr std::string_view kFlatFpFamily = "600V EM－FP平形";

std::span<const ImpedanceEntry> ImpedanceFamily1();
std::span<const ImpedanceEntry> ImpedanceFamily2();
std::span<const ImpedanceEntry> ImpedanceFamily3();
std::span<const ImpedanceEntry> ImpedanceFamily4();
std::span<const ImpedanceEntry> ImpedanceFamily5();
std::span<const ImpedanceEntry> ImpedanceFamily6();
std::span<const ImpedanceEntry> ImpedanceFamily7();
std::span<const ImpedanceEntry> ImpedanceFamily8();
std::span<const ImpedanceEntry> ImpedanceFamily9();
std::span<const ImpedanceEntry> ImpedanceFamily10();
std::span<const ImpedanceEntry> ImpedanceFamily11();
std::span<const ImpedanceEntry> ImpedanceFamily12();
std::span<const ImpedanceEntry> ImpedanceFamily13();
std::span<const ImpedanceEntry> ImpedanceFamily14();
std::span<const ImpedanceEntry> ImpedanceFamily15();
std::span<const ImpedanceEntry> ImpedanceFamily16();
std::span<const ImpedanceEntry> ImpedanceFamily17();
std::span<const ImpedanceEntry> ImpedanceFlatFp();

}  // namespace tolvane
