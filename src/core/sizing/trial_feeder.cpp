#include "sizing/trial_feeder.h"

#include <algorithm>

#include "calc/checks.h"
#include "sheet/feeder_totals_sheet.h"
#include "sheet/judgement.h"
#include "sheet/review.h"
#include "sheet/tap_rule.h"
#include "sheet/tree_marks.h"
#include "text/numbers.h"

namespace tolvane {

TrialFeeder::TrialFeeder(const Sheet& sheet, FeederRange range)
    : rows_(0), offset_(range.s1)
{
    // The row after the feeder is copied too: the totals look one row down.
    const int last = std::min(range.e1 + 1, sheet.rowCount() - 1);
    rows_.setRowCount(last - range.s1 + 1);
    for (int r = range.s1; r <= last; ++r) rows_.setRow(r - offset_, sheet.row(r));
    range_ = {0, range.e1 - range.s1};
}

void TrialFeeder::setCable(int row, const CableHandBack& cable, const std::string& impedance)
{
    rows_.setCell(col::Cable, row, cable.cable);
    rows_.setCell(col::Allowable, row, cable.allowable);
    rows_.setCell(col::Impedance, row, impedance);
    rows_.setCell(col::Size, row, cable.size);
}

bool carriesCable(const Sheet& sheet, int row)
{
    const std::string& m = sheet.cell(col::Mark, row);
    if (m == mark::Single || isTrunkMark(m)) return true;
    return isBranchMark(m) && hasValue(sheet.cell(col::Cable, row));
}

bool checksBreaker(const Sheet& sheet, int row)
{
    const std::string& m = sheet.cell(col::Mark, row);
    return m == mark::Single || m == mark::Head;
}

std::vector<TrialFailure> TrialFeeder::judge(const SupplyChoice& supply, std::span<const int> runs)
{
    using Kind = TrialFailure::Kind;
    std::vector<TrialFailure> failures;
    // Every judgement is made anew, as an entry clears the judgement of the
    // row it writes: the tap rule passes over rows without a length (the
    // dwellings), where the verdict on an earlier cable would otherwise stay.
    for (int r = range_.s1; r <= range_.e1; ++r) rows_.setCell(col::Judgement, r, "");
    try {
        recalculateFeeder(rows_, range_, supply);
    } catch (const ConversionError& e) {
        failures.push_back({Kind::Conversion, range_.s1, e.what()});
        return failures;
    }
    for (int r = range_.s1; r <= range_.e1; ++r) {
        applyDrawingChecks(rows_, r);
        const std::string& judged = rows_.cell(col::Judgement, r);
        if (judged.starts_with(judgement::FailureMark)) failures.push_back({Kind::Judgement, r, judged});
    }
    if (!failures.empty()) return failures;
    // The review also reports what drawing does not write: a drop or an
    // allowable drop that is not a number.
    const Review review = reviewJudgements(rows_);
    for (const ReviewReport& report : review.reports) {
        if (report.row > range_.e1) break;
        const bool known = std::any_of(failures.begin(), failures.end(),
                                       [&](const TrialFailure& f) { return f.row == report.row; });
        if (!known) failures.push_back({Kind::Review, report.row, report.text});
    }
    if (review.error && review.error->row <= range_.e1)
        failures.push_back({Kind::Conversion, review.error->row, review.error->message});

    const std::string& breaker = rows_.cell(col::Breaker, range_.s1);
    for (int r : runs) {
        const std::string& allowable = rows_.cell(col::Allowable, r);
        try {
            if (auto warning = CheckCableCurrent(allowable, rows_.cell(col::Current, r), rows_.cell(col::Cable, r)))
                failures.push_back({Kind::CableCurrent, r, *warning});
            if (checksBreaker(rows_, r) && hasValue(breaker))
                if (auto question = CheckBreakerAgainstCable(allowable, breaker))
                    failures.push_back({Kind::Breaker, r, *question});
        } catch (const ConversionError& e) {
            failures.push_back({Kind::Conversion, r, e.what()});
        }
    }
    return failures;
}

std::vector<TrialFailure> TrialFeeder::tapFailures()
{
    using Kind = TrialFailure::Kind;
    std::vector<TrialFailure> failures;
    for (int r = range_.s1; r <= range_.e1; ++r) rows_.setCell(col::Judgement, r, "");
    try {
        checkTapRule(rows_, range_);
    } catch (const ConversionError& e) {
        failures.push_back({Kind::Conversion, range_.s1, e.what()});
        return failures;
    }
    for (int r = range_.s1; r <= range_.e1; ++r) {
        const std::string& judged = rows_.cell(col::Judgement, r);
        if (judged.starts_with(judgement::FailureMark)) failures.push_back({Kind::Judgement, r, judged});
    }
    return failures;
}

bool noWorseThan(const std::vector<TrialFailure>& failures, const std::vector<TrialFailure>& reference)
{
    using Kind = TrialFailure::Kind;
    auto same = [](const TrialFailure& a, const TrialFailure& b) {
        if (a.row != b.row || a.kind != b.kind) return false;
        return (a.kind != Kind::Judgement && a.kind != Kind::Review) || a.text == b.text;
    };
    return std::all_of(failures.begin(), failures.end(), [&](const TrialFailure& f) {
        return std::any_of(reference.begin(), reference.end(), [&](const TrialFailure& r) { return same(f, r); });
    });
}

}  // namespace tolvane
