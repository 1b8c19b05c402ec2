// What the cable window offers a run: for every size of a family, what a
// double-click on that size would hand back to the entry form, found by
// working a copy of the window as the user would (activation from the run's
// entry form, the family and type, the laying conditions, a click and a
// double-click on the size row). Sizing therefore hands back exactly what
// the window hands back, rounding and corrections included.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cables/cable_conditions.h"
#include "cables/cable_handback.h"
#include "cables/family_identity.h"
#include "cables/impedance.h"
#include "cables/tdensen.h"

namespace tolvane {

struct CableOffer {
    std::string size;                        // the size row's text, e.g. "38゜"
    std::optional<CableHandBack> handBack;   // nothing when the window hands nothing back for it
};

class CableOffers : public HandBackSource {
public:
    // Each activation starts from a copy of `window` as it stands (its family
    // list, grouping lists and temperatures carry over from use to use, as
    // they do on screen); `conditions`, when given, are then set in it.
    explicit CableOffers(const Tdensen& window, std::optional<CableConditions> conditions = std::nullopt);

    // One offer per size of the family, in the family table's order, for the
    // type and for a run whose entry form opens the window as `caller`.
    const std::vector<CableOffer>& offers(const CableFamily& family, std::string_view type,
                                          const CableCaller& caller);

    // The offer of one size of those.
    std::optional<CableHandBack> handBack(const CableFamily& family, std::string_view type, std::string_view size,
                                          const CableCaller& caller) override;

private:
    Tdensen window_;
    std::optional<CableConditions> conditions_;
    std::map<std::string, std::vector<CableOffer>, std::less<>> cache_;
};

// Conductor cross-section of a size text in mm²: the number of a size with the
// mark "゜" ("38゜", "8゜-3C", "5.5ﾟx2"), or the area of a solid wire whose
// diameter the size gives ("2.0mm", "1.6-2C", "1.2mmx3"). 0 for a text
// without a number.
double conductorSection(std::string_view size);

// The cores a size names after its conductor ("-2C", "-3C", "x2", "x3"), or
// the empty text when the size names none.
std::string coreSuffix(std::string_view size);

}  // namespace tolvane
