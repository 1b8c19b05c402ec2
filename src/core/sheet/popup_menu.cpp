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

    if (topMark.empty()) {
        d.menu.mode = DeleteMode::Rows;
        d.menu.deleteCaption = "行を削除する";
    } else {
        d.menu.mode = DeleteMode::Feeder;
        d.menu.deleteCaption = "No." + number + " を削除する";
    }
    return d;
}

}  // namespace tolvane
