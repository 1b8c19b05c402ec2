#include "sheet/popup_menu.h"

#include <string_view>
#include <utility>

#include "sheet/tree_marks.h"

namespace tolvane {

namespace {

// Rows that only make sense inside their feeder: deleting or copying from
// them would cut a feeder apart.
bool insideBranch(std::string_view m)
{
    return m == mark::Point || m == mark::Segment || m == mark::Branch || m == mark::Last;
}

// Rows of a feeder below its head row. Rows pasted or inserted above such a
// row, or a block of rows that ends on one, would cut the feeder in two: its
// lower rows would then count as rows of another feeder.
bool belowHead(std::string_view m) { return !m.empty() && m != mark::Single && m != mark::Head; }

// Feeder number of the nearest head row at or above `row`.
std::string feederNumberAbove(const Sheet& sheet, int row)
{
    for (int r = row; r >= 0; --r)
        if (!sheet.cell(col::No, r).empty()) return sheet.cell(col::No, r);
    return {};
}

}  // namespace

PopupDecision decidePopup(const Sheet& sheet, int ny1, int uy1, bool rightButton, const PopupMenu& current)
{
    PopupDecision d{current, ny1, uy1, false};
    for (int item : {popup::Delete, popup::Copy, popup::CopyFeederText, popup::CopySheetText}) d.menu.enabled[item] = true;
    if (!rightButton) return d;

    const std::string number = feederNumberAbove(sheet, d.uy1);
    if (d.ny1 > d.uy1) std::swap(d.ny1, d.uy1);
    const std::string& topMark = sheet.cell(col::Mark, d.ny1);
    const std::string& bottomMark = sheet.cell(col::Mark, d.uy1);

    if (topMark.empty() || bottomMark.empty())
        for (int item : {popup::Copy, popup::CopyFeederText, popup::CopySheetText}) d.menu.enabled[item] = false;

    d.menu.enabled[popup::SizeFeeder] = !topMark.empty() && !sheet.cell(col::FeederNo, d.ny1).empty();

    d.opens = true;
    if (insideBranch(topMark)) {
        d.menu.enabled[popup::Delete] = false;
        d.opens = false;
    } else if (insideBranch(bottomMark)) {
        d.menu.enabled[popup::Delete] = false;
    }

    // New rows go in above the top row, pasted ones above the bottom row;
    // neither may go between the rows of a feeder. A block of rows is only
    // deleted with whole feeders.
    d.menu.enabled[popup::Insert] = !belowHead(topMark);
    d.menu.enabled[popup::Paste] = !belowHead(bottomMark);

    if (topMark.empty()) {
        d.menu.mode = DeleteMode::Rows;
        d.menu.deleteCaption = "行を削除する";
        if (!bottomMark.empty() && bottomMark != mark::Single) d.menu.enabled[popup::Delete] = false;
    } else {
        d.menu.mode = DeleteMode::Feeder;
        d.menu.deleteCaption = "No." + number + " を削除する";
    }
    return d;
}

}  // namespace tolvane
