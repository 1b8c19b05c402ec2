// The main window's sheet calculations on the current feeder, and the review
// of every judgement.
#include "app/tform1.h"
#include "host/host.h"
#include "sheet/feeder_totals.h"
#include "sheet/judgement.h"
#include "sheet/review.h"
#include "sheet/tap_rule.h"

namespace tolvane {

void TForm1::Button17Click()
{
    modified = true;
    recalculateDesignCurrents(StringGrid1, {s1, e1});
}

void TForm1::Button10Click()
{
    modified = true;
    computeSingleDrops(StringGrid1, {s1, e1});
}

void TForm1::Button6Click()
{
    modified = true;
    computeFeederTotals(StringGrid1, {s1, e1}, supply);
}

void TForm1::Button7Click()
{
    modified = true;
    checkTapRule(StringGrid1, {s1, e1});
}

void TForm1::Button25Click()
{
    // Every row is judged, not only those the screen has drawn so far.
    applyDrawingChecks(StringGrid1);
    const Review review = reviewJudgements(StringGrid1);
    if (!host) return;
    for (const ReviewReport& report : review.reports) {
        host->scrollToRow(report.row);
        host->warnYes(report.text);
    }
    if (review.error) {
        host->reportError(review.error->message);
        return;
    }
    if (review.reports.empty()) host->inform(kReviewGood);
}

}  // namespace tolvane
