#include <gtest/gtest.h>

#include "sheet/clipboard_text.h"
#include "sheet/feeders.h"
#include "sheet/popup_menu.h"
#include "sheet/row_editing.h"
#include "sheet/tree_marks.h"

using namespace tolvane;

namespace {

// Row 0 a single feeder, row 1 empty, rows 2-6 a one-system dwelling feeder,
// rows 7-13 a two-system one.
Sheet threeFeeders()
{
    Sheet s;
    auto put = [&](int r, std::string_view m, std::string name = "") {
        s.setCell(col::Mark, r, std::string(m));
        s.setCell(col::Name, r, std::move(name));
    };
    put(0, mark::Single, "L1");
    put(2, mark::Head, "住戸A");
    put(3, mark::Point);
    put(4, mark::Branch);
    put(5, mark::Segment);
    put(6, mark::Last);
    put(7, mark::Head, "住戸B");
    put(8, mark::Point2);
    put(9, mark::Branch1);
    put(10, mark::Segment1);
    put(11, mark::Last1);
    put(12, mark::Segment);
    put(13, mark::Last);
    for (int head : {0, 2, 7}) s.setCell(col::No, head, "x");
    renumberFeeders(s);
    return s;
}

}  // namespace

TEST(RowEditing, InsertCountsOneRowPerSelectedRowPlusTheHeadRow)
{
    Sheet s = threeFeeders();
    struct Case {
        int ny1, uy1, rows;
    } cases[] = {{5, 5, 1}, {1, 1, 1}, {2, 4, 3}, {4, 2, 3}, {3, 5, 2}, {0, 0, 1}};
    for (const auto& c : cases) EXPECT_EQ(rowsToInsert(s, c.ny1, c.uy1), c.rows) << c.ny1 << "-" << c.uy1;

    insertRowsAtSelection(s, 4, 2);
    EXPECT_EQ(s.rowCount(), 111);
    for (int r = 2; r < 5; ++r) EXPECT_EQ(s.cell(col::Mark, r), "") << r;
    EXPECT_EQ(s.cell(col::Mark, 5), mark::Head);
}

TEST(RowEditing, DeleteMovesTheRowsBelowUpAndKeepsTheRowCount)
{
    Sheet s = threeFeeders();
    deleteRows(s, 2, 6);
    EXPECT_EQ(s.rowCount(), 108);
    EXPECT_EQ(s.cell(col::Name, 2), "住戸B");
    EXPECT_EQ(s.cell(col::Mark, 8), mark::Last);
    for (int r = 9; r < 108; ++r) EXPECT_EQ(s.row(r), SheetRow{}) << r;

    Sheet before = s;
    deleteRows(s, 5, 4);  // an inverted range deletes nothing
    EXPECT_EQ(s, before);
}

TEST(RowEditing, CopyAndPasteInsertTheFeederWithoutOverwritingRows)
{
    Sheet s = threeFeeders();
    Sheet buffer = copyFeeder(s, findFeederRange(s, 9));
    ASSERT_EQ(buffer.rowCount(), 7);
    EXPECT_EQ(buffer.cell(col::Name, 0), "住戸B");

    pasteFeeder(s, buffer, 1);
    EXPECT_EQ(s.rowCount(), 108 + 14);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(s.row(1 + i), buffer.row(i)) << i;
    EXPECT_EQ(s.cell(col::Name, 9), "住戸A");  // moved down, intact

    Sheet unchanged = s;
    pasteFeeder(s, Sheet(0), 3);  // nothing copied yet
    EXPECT_EQ(s, unchanged);
}

TEST(PopupMenu, ReleaseDecidesItemsCaptionModeAndOpening)
{
    const Sheet s = threeFeeders();
    struct Case {
        int ny1, uy1;
        bool opens, deleteOn, copyOn, insertOn, pasteOn;
        std::string caption;
        DeleteMode mode;
        int top, bottom;
        bool sizeOn;  // "ケーブル自動選定（この幹線）": a feeder at the top row
    } cases[] = {
        {0, 0, true, true, true, true, true, "No.1 を削除する", DeleteMode::Feeder, 0, 0, true},  // a feeder on row 0 has its number
        {1, 1, true, true, false, true, true, "行を削除する", DeleteMode::Rows, 1, 1, false},
        {4, 4, false, false, true, false, false, "No.2 を削除する", DeleteMode::Feeder, 4, 4, true},  // inside a one-system branch
        // System 1 of two: the feeder can be deleted or copied whole, but no
        // rows go in between its rows.
        {9, 9, true, true, true, false, false, "No.3 を削除する", DeleteMode::Feeder, 9, 9, true},
        {6, 2, true, false, true, true, false, "No.2 を削除する", DeleteMode::Feeder, 2, 6, true},  // bottom inside a branch
        {1, 0, true, true, false, true, true, "No.1 を削除する", DeleteMode::Feeder, 0, 1, true},
        // A block of rows that would cut a feeder: from an empty row down to a
        // head row or into system 1 of a two-system feeder.
        {1, 2, true, false, false, true, true, "行を削除する", DeleteMode::Rows, 1, 2, false},
        {1, 9, true, false, false, true, false, "行を削除する", DeleteMode::Rows, 1, 9, false},
    };
    for (const auto& c : cases) {
        PopupDecision d = decidePopup(s, c.ny1, c.uy1, true, PopupMenu{});
        SCOPED_TRACE(std::to_string(c.ny1) + "-" + std::to_string(c.uy1));
        EXPECT_EQ(d.opens, c.opens);
        EXPECT_EQ(d.menu.enabled[popup::Delete], c.deleteOn);
        for (int item : {popup::Copy, popup::CopyFeederText, popup::CopySheetText})
            EXPECT_EQ(d.menu.enabled[item], c.copyOn);
        EXPECT_EQ(d.menu.enabled[popup::Insert], c.insertOn);
        EXPECT_EQ(d.menu.enabled[popup::Paste], c.pasteOn);
        EXPECT_EQ(d.menu.deleteCaption, c.caption);
        EXPECT_EQ(d.menu.mode, c.mode);
        EXPECT_EQ(d.ny1, c.top);
        EXPECT_EQ(d.uy1, c.bottom);
        EXPECT_EQ(d.menu.enabled[popup::SizeFeeder], c.sizeOn);
        EXPECT_TRUE(d.menu.enabled[popup::SizeAll]);
    }

    // Any other button only re-enables the items.
    PopupMenu closed;
    closed.enabled.fill(false);
    closed.mode = DeleteMode::Rows;
    PopupDecision left = decidePopup(s, 6, 2, false, closed);
    EXPECT_FALSE(left.opens);
    EXPECT_EQ(left.ny1, 6);
    EXPECT_EQ(left.menu.mode, DeleteMode::Rows);
    EXPECT_EQ(left.menu.deleteCaption, "幹線削除");
    for (int item : {popup::Delete, popup::Copy, popup::CopyFeederText, popup::CopySheetText})
        EXPECT_TRUE(left.menu.enabled[item]) << item;
    EXPECT_FALSE(left.menu.enabled[popup::Paste]);
}

TEST(ClipboardText, OneFeederIsItsRowsWithoutHeading)
{
    Sheet s = threeFeeders();
    s.setCell(col::AllowableDrop, 0, "6");
    s.setCell(col::Remarks, 0, "not exported");
    EXPECT_EQ(clipboardTextOfFeeder(s, 0), "L1\t\t\t\t ──▶\t\t\t\t\t\t\t\t\t\t\t\t6\r\n");

    std::string feeder = clipboardTextOfFeeder(s, 4);
    EXPECT_EQ(std::count(feeder.begin(), feeder.end(), '\n'), 5);
    EXPECT_TRUE(feeder.starts_with("住戸A\t\t\t\t -─▶┌\t"));
    EXPECT_NE(feeder.find("\r\n\t\t\t\t └─▶\t"), std::string::npos);
}

TEST(ClipboardText, WholeSheetHasTheHeadingLineAndRowsUpToTheLastMark)
{
    const std::string heading =
        "幹線番号又は名称\t電気方式\t電圧[V]\t幹線保護用遮断器定格電流[A]\t系統\tこう長\t負荷名称\t主幹器具定格電流[A]\t"
        "設計負荷電流[A]\t負荷の力率[cosθ]\t種別及び断面積[m㎡]\t配線方式\t許容電流[A]\tｲﾝﾋﾟｰﾀﾞﾝｽ[Ω/km]\t"
        "単一の電圧降下[V]\t分岐がある場合の合計\t許容電圧降下[V]\t\r\n";
    EXPECT_EQ(clipboardTextOfSheet(Sheet{}), heading + "\t\t\t\t \t\t\t\t\t\t\t\t\t\t\t\t\r\n");

    std::string all = clipboardTextOfSheet(threeFeeders());
    EXPECT_TRUE(all.starts_with(heading));
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 1 + 14);
}

TEST(Feeders, AReportedRowIsShownUnderItsFeedersHeadRowWhenBothFit)
{
    const Sheet s = threeFeeders();  // heads at rows 0, 2 and 7; feeder 3 runs to row 13
    struct Case {
        int row, visibleRows, top;
    } cases[] = {
        {12, 20, 7},  // the whole feeder fits
        {12, 6, 7},   // head to row 12: six rows
        {12, 5, 12},  // they do not fit: the row itself at the top
        {7, 1, 7},    // the head row itself
        {0, 10, 0},   // a single feeder
        {5, 30, 2},
        {40, 10, 40},  // an empty row belongs to no feeder
    };
    for (const auto& c : cases) {
        EXPECT_EQ(topRowShowingFeeder(s, c.row, c.visibleRows), c.top) << c.row << " on " << c.visibleRows;
    }
    EXPECT_EQ(feederHeadRow(s, 13), 7);
    EXPECT_EQ(feederHeadRow(s, 6), 2);
}
