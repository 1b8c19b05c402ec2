// Which family of the cable window a sheet row's cable was chosen from.
//
// Several families write the same designation: the single-core CV families
// (俵積み and 平積) and the multi-core CV families all hand back "CV5.5゜", the
// two IV families "IV2.0mm". Their resistance, reactance and allowable
// current differ, so the designation alone does not say what the cable is.
// The row still holds what the window handed back when the cable was chosen:
// the allowable current (column 13) and the impedance at the row's power
// factor (column 14). The family is the one whose hand-back, for that size,
// installation method and frequency, reproduces them:
//  1. the families that offer the designation, compared without blanks; none
//     gives "none", exactly one settles it by the designation alone;
//  2. of several, those whose hand-back gives both the stored impedance (or R
//     and X, where the row keeps them) and the stored allowable current;
//  3. when none gives both, those that give the impedance: the allowable
//     current of a cable chosen under other laying conditions (ambient
//     temperature, grouping) differs, its impedance does not;
//  4. when none gives the impedance either (a stale or missing value), those
//     that give the allowable current.
// The first step that leaves exactly one family settles it; a step that
// leaves several makes the row ambiguous between them; when every step
// leaves none, the row is ambiguous between every family offering it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cables/cable_handback.h"
#include "cables/impedance.h"

namespace tolvane {

// What a row keeps of its cable, as text.
struct StoredCable {
    std::string designation;  // column 11: type and size, "CV5.5゜"
    std::string allowable;    // column 13: allowable current [A]
    std::string impedance;    // column 14: Z = R cosθ + X sinθ [Ω/km], 3 decimals
    std::string powerFactor;  // column 10: cosθ of the impedance
    // R and X [Ω/km] at the sheet's frequency, for a row that keeps them; they
    // are then compared in place of the impedance.
    std::optional<std::string> r, x;
};

// A family with the type and size whose joined text is the designation.
struct FamilyChoice {
    const CableFamily* family = nullptr;
    std::string type;  // "CV"
    std::string size;  // "5.5゜"
};

struct FamilyIdentity {
    enum class Result { Identified, Ambiguous, None };
    Result result = Result::None;
    // Identified: the family. Ambiguous: the families still in question.
    // None: empty.
    std::vector<FamilyChoice> families;

    const FamilyChoice* identified() const { return result == Result::Identified ? &families.front() : nullptr; }
};

// What the cable window hands back for one size of a family and type, for a
// run whose entry form opens it as `caller`; nothing when the window hands
// nothing back for it. sizing/cable_offers.h (CableOffers) works a copy of
// the window for it.
class HandBackSource {
public:
    virtual ~HandBackSource() = default;
    virtual std::optional<CableHandBack> handBack(const CableFamily& family, std::string_view type,
                                                  std::string_view size, const CableCaller& caller) = 0;
};

// Every family (in the order the window's family display compares them,
// the typed-only flat EM-FP included), type and size that write
// `designation`, blanks (half- and full-width) not counted; within `only`
// when it is given.
std::vector<FamilyChoice> familiesWriting(std::string_view designation, const CableFamily* only = nullptr);

// The family of a row's cable, for a run whose entry form opens the window as
// `caller` (its installation method and frequency), by the steps above.
FamilyIdentity identifyFamily(const StoredCable& cable, const CableCaller& caller, HandBackSource& handBacks);

}  // namespace tolvane
