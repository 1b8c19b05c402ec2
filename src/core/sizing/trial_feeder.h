// One feeder's rows copied out of the sheet, in which cables are tried. Every
// trial is judged as the program judges the feeder: the feeder is
// recalculated as after an entry (design currents, single drops, totals, tap
// rule), every row is drawn (breaker, main device and drop checks), the
// review looks at every row, and every run's cable is checked against its
// design current and, on a single feeder or a dwelling feeder's head, against
// the breaker.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "cables/cable_handback.h"
#include "calc/voltage_drop.h"
#include "sheet/feeders.h"
#include "sheet/sheet.h"

namespace tolvane {

struct TrialFailure {
    enum class Kind {
        Conversion,    // a cell that is not a number stopped the recalculation
        CableCurrent,  // allowable current below the design current
        Breaker,       // allowable current below the breaker rating
        Judgement,     // a failed judgement in column 21 (tap rule or drawing check)
        Review,        // a report of the review
    };
    Kind kind;
    int row;  // of the trial
    std::string text;
};

class TrialFeeder {
public:
    TrialFeeder(const Sheet& sheet, FeederRange range);

    Sheet& rows() { return rows_; }
    const Sheet& rows() const { return rows_; }
    // The feeder's rows in the trial.
    FeederRange range() const { return range_; }
    // The sheet row of a trial row.
    int sheetRow(int row) const { return row + offset_; }

    // The cable as the entry form records it after a hand-back: designation,
    // allowable current, impedance at the row's power factor and size.
    void setCable(int row, const CableHandBack& cable, const std::string& impedance);

    // Recalculates and judges the trial; nothing when the feeder passes.
    // `runs` are the rows whose cables are checked against their currents.
    std::vector<TrialFailure> judge(const SupplyChoice& supply, std::span<const int> runs);

    // The tap rule alone on the cables as they stand, after a judgement of
    // the same feeder (it reads the lengths that recalculation accumulated,
    // which no cable changes): its failures, a subset of what judge() would
    // find. A size that cannot be read as a number stops it like judge().
    std::vector<TrialFailure> tapFailures();

private:
    Sheet rows_;
    FeederRange range_;
    int offset_;
};

// Every failure of `failures` is one of `reference` too (the same row and
// kind; the same text for judgements and reports).
bool noWorseThan(const std::vector<TrialFailure>& failures, const std::vector<TrialFailure>& reference);

// Whether a row is a run that carries a cable to size: a single feeder's row,
// a dwelling feeder's head, branch-point and segment rows, and a branch row
// that has a cable of its own.
bool carriesCable(const Sheet& sheet, int row);

// Whether a run's cable is checked against the breaker: a single feeder's row
// and a dwelling feeder's head.
bool checksBreaker(const Sheet& sheet, int row);

}  // namespace tolvane
