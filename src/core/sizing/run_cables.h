// Which family, type and sizes a run is sized in. The family is the one given
// (by the user), else the first family of the family list that offers the
// run's designation: the designation is the type text followed by the size
// text, as the cable window hands it back ("CV-T38゜"), compared without
// blanks. Several families offer the same designations (single-core and
// multi-core CV share "CV22゜"), so the family used is always reported.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cables/cable_handback.h"
#include "cables/family_identity.h"
#include "cables/impedance.h"
#include "sheet/sheet.h"

namespace tolvane {

struct DesignationMatch {
    const CableFamily* family = nullptr;
    std::string type;
    std::string size;
};

// The first family, type and size (in the family list's order) whose
// designation is `designation`; within `only` when it is given.
std::optional<DesignationMatch> matchDesignation(std::string_view designation, const CableFamily* only = nullptr);

// What row `row` of the sheet keeps of its cable: designation, allowable
// current, impedance and power factor.
StoredCable storedCableOf(const Sheet& sheet, int row);

// A family named by its number in the family list (1 to 17) or by its full
// name; null for anything else.
const CableFamily* familyOption(std::string_view text);

struct RunCable {
    const CableFamily* family = nullptr;
    std::string type;
    // The sizes the run may take, smallest conductor first: the family's
    // sizes with the run's own cores ("-2C", "x3" ...), in the family table's
    // order but by conductor cross-section where that order is another (the
    // solid IV wires stand before "2゜").
    std::vector<std::string> sizes;
};

// The family, type and sizes of a run: the given family (null: the one its
// designation belongs to), the run's own type when the family offers it, else
// the family's first type. A run whose cable names no cores in a family with
// several takes the cores of its system: two for "単相2線" and "直流2線",
// three for "単相3線" and "三相3線". Nothing when no family can be found.
std::optional<RunCable> runCableOf(std::string_view designation, const CableFamily* given, std::string_view system);

class CableOffers;

// A size a run may take with what the window hands back for it.
struct SizeChoice {
    std::string size;
    CableHandBack cable;
};
// The run's sizes, in its order, for a run whose entry form opens the window
// as `caller`; the sizes the window hands nothing back for are left out.
std::vector<SizeChoice> sizeChoicesOf(const RunCable& run, CableOffers& offers, const CableCaller& caller);

}  // namespace tolvane
