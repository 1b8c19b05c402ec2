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

TapShares tapSharesOf(double breaker, double headAllowable)
{
    const double rating = std::min(breaker, headAllowable);
    return {shareOf(rating, 55), shareOf(rating, 35)};
}

bool inBand35(const TapShares& shares, double capacity) { return capacity >= shares.t35 && capacity < shares.t55; }

std::string_view tapJudgementOf(const TapShares& shares, double capacity, double length, RowKind kind)
{
    std::string_view judgement;
    if (capacity < shares.t35) judgement = tap::Below35;
    if (inBand35(shares, capacity)) judgement = length <= 8 ? tap::Band35Within8m : tap::Band35Over8m;
    if (capacity >= shares.t55) judgement = tap::Above55;
    if ((kind == RowKind::Branch || kind == RowKind::LastBranch) && length <= 3) judgement = tap::BranchWithin3m;
    return judgement;
}

namespace {

// Whether two rows carry different conductor sizes: compared as numbers
// ("22" and "22.0" are one size), and as text where a size is no number, as
// the solid wires' "2.0m" and the flat cables' "1.6-2" are.
bool sizesDiffer(const Sheet& sheet, int row, int other)
{
    const std::string& a = sheet.cell(col::Size, row);
    const std::string& b = sheet.cell(col::Size, other);
    auto number = [](const std::string& text) { return hasValue(text) ? tryParseDecimal(text) : std::optional(0.0); };
    const auto x = number(a), y = number(b);
    if (x && y) return *x != *y;
    return a != b;
}

}  // namespace

void checkTapRule(Sheet& sheet, FeederRange range)
{
    const int first = std::max(range.s1, 0);
    const int last = std::min(range.e1, sheet.rowCount() - 1);

    const TapShares shares =
        tapSharesOf(cellNumber(sheet, col::Breaker, first), cellNumber(sheet, col::Allowable, first));

    // End of the permitted 8 m reduced section, in metres from the board; set
    // once, at the first size change in the 35 % band.
    double reducedEnd = 0;

    for (int r = first; r <= last; ++r) {
        if (!hasValue(sheet.cell(col::Length, r))) continue;
        const double length = cellNumber(sheet, col::Length, r);
        const double capacity = cellNumber(sheet, col::Allowable, r);
        const RowKind kind = rowKindOf(sheet.cell(col::Mark, r));

        std::string_view judgement = tapJudgementOf(shares, capacity, length, kind);
        if ((kind == RowKind::BranchPoint || kind == RowKind::Segment) && inBand35(shares, capacity)) {
            if (reducedEnd == 0) {
                // The branch point follows the head; a segment follows the
                // previous segment two rows up, with a branch between them.
                const int before = kind == RowKind::BranchPoint ? r - 1 : r - 2;
                if (sizesDiffer(sheet, r, before))
                    reducedEnd = cellNumber(sheet, col::CumLength, before) + 8;
            }
            if (reducedEnd != 0 && cellNumber(sheet, col::CumLength, r) > reducedEnd) judgement = tap::ReducedOver8m;
        }
        sheet.setCell(col::Judgement, r, std::string(judgement));
    }
}

}  // namespace tolvane
