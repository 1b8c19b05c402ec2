#include "sheet/tap_rule.h"

#include <algorithm>

#include "sheet/feeder_totals.h"
#include "sheet/tree_marks.h"
#include "text/exact_decimal.h"
#include "text/numbers.h"

namespace tolvane {

namespace {

// round(T × percent / 100) in whole amperes, halves to the even neighbour, as
// written on paper: 30 × 55 % is 16.5 and gives 16.
double shareOf(double rating, int percent)
{
    return (ExactDecimal::fromDouble(rating) * ExactDecimal(percent, 2)).roundHalfEven();
}

}  // namespace

void checkTapRule(Sheet& sheet, FeederRange range)
{
    const int first = std::max(range.s1, 0);
    const int last = std::min(range.e1, sheet.rowCount() - 1);

    const double breaker = cellNumber(sheet, col::Breaker, first);
    const double cable = cellNumber(sheet, col::Allowable, first);
    const double rating = std::min(breaker, cable);
    const double t55 = shareOf(rating, 55);
    const double t35 = shareOf(rating, 35);

    // End of the permitted 8 m reduced section, in metres from the board; set
    // once, at the first size change in the 35 % band.
    double reducedEnd = 0;

    for (int r = first; r <= last; ++r) {
        if (!hasValue(sheet.cell(col::Length, r))) continue;
        const double length = cellNumber(sheet, col::Length, r);
        const double capacity = cellNumber(sheet, col::Allowable, r);
        const RowKind kind = rowKindOf(sheet.cell(col::Mark, r));

        std::string_view judgement;
        if (capacity < t35) judgement = tap::Below35;
        const bool band35 = capacity >= t35 && capacity < t55;
        if (band35) judgement = length <= 8 ? tap::Band35Within8m : tap::Band35Over8m;
        if (capacity >= t55) judgement = tap::Above55;
        if ((kind == RowKind::Branch || kind == RowKind::LastBranch) && length <= 3) judgement = tap::BranchWithin3m;

        if ((kind == RowKind::BranchPoint || kind == RowKind::Segment) && band35) {
            if (reducedEnd == 0) {
                // The branch point follows the head; a segment follows the
                // previous segment two rows up, with a branch between them.
                const int before = kind == RowKind::BranchPoint ? r - 1 : r - 2;
                if (cellNumber(sheet, col::Size, r) != cellNumber(sheet, col::Size, before))
                    reducedEnd = cellNumber(sheet, col::CumLength, before) + 8;
            }
            if (reducedEnd != 0 && cellNumber(sheet, col::CumLength, r) > reducedEnd) judgement = tap::ReducedOver8m;
        }
        sheet.setCell(col::Judgement, r, std::string(judgement));
    }
}

}  // namespace tolvane
