// Automatic cable selection: for every run of a feeder that carries a cable
// (a single feeder's row; a dwelling feeder's head, branch-point and segment
// rows, and any branch row that has a cable of its own) a size of the run's
// family and type such that the feeder passes every judgement the program
// makes, with a dwelling trunk that never grows away from the board (along
// each system no branch point or segment is larger than the trunk run before
// it), with the least conductor volume Σ(cross-section × length) found and
// no run that could be one size smaller.
//
// A run's family is the one its cable came from (cables/family_identity.h);
// a run whose cable leaves that open is not sized until a family is given or
// chosen for its row, so that no cable is reinterpreted as another family's.
//
// How the sizes are found:
//  1. Every run at its largest size must pass; otherwise no size can, and the
//     feeder is reported with the failure and left as it is.
//  2. A dynamic programme over the summed drop and the trunk's last size
//     proposes the least-volume choice among the sizes that each run's own
//     judgements allow (design current, breaker, tap rule by the run's own
//     current, own drop) that keeps every branch within its allowable drop
//     and the trunk from growing (see drop_budget.h).
//  3. The proposal is recalculated and judged as the sheet does. Should the
//     sheet still find a failure (the 8 m rule after a change of size in the
//     35 % band depends on the neighbouring runs; a size the tap rule cannot
//     read stops the recalculation), that run is held above the failing sizes
//     and the programme runs again; when nothing is left to try, the largest
//     sizes are taken.
//  4. Every run is then tried one size smaller, again and again, until no
//     smaller size passes: the result is locally minimal by the program's own
//     verdict. A smaller size that fails the run's own judgements, takes a
//     branch beyond its allowable drop by a hundredth of a volt or more, or
//     leaves a trunk run thinner than the one after it, is not recalculated.
// When the proposal of step 2 passes at once (the usual case), no choice of
// sizes that the sheet passes with such a trunk has less volume.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cables/family_identity.h"
#include "cables/impedance.h"
#include "calc/voltage_drop.h"
#include "sheet/feeders.h"
#include "sheet/sheet.h"
#include "shortcircuit/supply.h"
#include "sizing/cable_offers.h"

namespace tolvane {

struct SizingOptions {
    SupplyChoice supply;                  // the allowable-drop choice of the totals
    int frequency = 60;                   // of the R and X handed back
    const CableFamily* family = nullptr;  // the family given; null: each run's own by its cable
    std::string depth = "H=600";          // burial depth of buried runs (the sheet holds none)
    // The families the user chose, by sheet row, for runs whose cable leaves
    // its family ambiguous.
    std::map<int, const CableFamily*> rowFamilies;
    // The least conductor cross-section [mm²] of a run, by sheet row: what
    // its cable must have to withstand the short-circuit current.
    std::map<int, double> minimumSections;
};

struct SizingFailure {
    int row = 0;  // sheet row
    std::string reason;
};

// A row whose cable or judgement the sizing changes. A row's drop is its
// summed drop when it has one (a branch row), else its own drop.
struct RowChange {
    int row = 0;  // sheet row
    std::string loadName;
    std::string cableBefore, cableAfter;
    std::string allowableBefore, allowableAfter;
    std::string dropBefore, dropAfter;
    std::string judgementBefore, judgementAfter;
    bool cableChanged = false;  // designation, allowable current, impedance or size
    // The least cross-section [mm²] the short-circuit withstand asks of the
    // run when that made its cable larger than sizing without it; else 0.
    double withstandSection = 0;
};

struct FeederSizing {
    FeederRange range;
    std::string number;                        // the feeder's No.
    std::vector<const CableFamily*> families;  // the families its runs were sized in
    std::optional<SizingFailure> failure;      // set when the feeder cannot be sized
    std::vector<SheetRow> rows;                // rows s1..e1 sized and recalculated (empty on failure)
    std::vector<RowChange> changes;            // top-down
};

// How the entry form of a run would open the cable window: the feeder form
// for a single feeder's row, the branch form for a dwelling feeder's rows,
// with the row's installation method, the burial depth and frequency of the
// options and the feeder's system `system` for the cores of the lookup.
CableCaller callerOfRun(const Sheet& sheet, int row, std::string_view system, const SizingOptions& options);

// The family a run is sized in: the family given in the options, else the
// one chosen for its row, else the family its cable is identified as (which
// may leave it ambiguous or find none). A run is never moved into another
// family behind its designation.
FamilyIdentity familyOfRun(const Sheet& sheet, int row, std::string_view system, const SizingOptions& options,
                           CableOffers& offers);

// A run of the feeders whose family its cable leaves ambiguous and that the
// options do not settle.
struct AmbiguousRun {
    int row = 0;  // sheet row
    std::string designation;
    std::vector<FamilyChoice> families;  // the families it may come from
};
std::vector<AmbiguousRun> ambiguousRuns(const Sheet& sheet, const std::vector<FeederRange>& ranges,
                                        const SizingOptions& options, CableOffers& offers);

// Sizes one feeder of the sheet; the sheet itself is not changed.
FeederSizing sizeFeeder(const Sheet& sheet, FeederRange range, const SizingOptions& options, CableOffers& offers);

struct SizingPlan {
    std::vector<FeederSizing> feeders;
    // Why the short-circuit withstand could not be kept (supply conditions
    // that do not check); empty otherwise.
    std::string withstandProblem;
    bool allSized() const;
};
SizingPlan planSizing(const Sheet& sheet, const std::vector<FeederRange>& ranges, const SizingOptions& options,
                      CableOffers& offers);
// The same, keeping every run's cable at or above the cross-section that
// withstands the short-circuit current for the breaking time, when `supply`
// has banks: a larger cable upstream raises the current downstream, so the
// feeders are sized again with the sections found until none grows.
SizingPlan planSizingWithstanding(const Sheet& sheet, const std::vector<FeederRange>& ranges,
                                  const SizingOptions& options, CableOffers& offers, const SupplyConditions& supply);

// Writes the rows of every feeder that could be sized into the sheet.
void applySizing(Sheet& sheet, const SizingPlan& plan);

// The families used, joined by " / " for the reports.
std::string familyNames(const std::vector<const CableFamily*>& families);

}  // namespace tolvane
