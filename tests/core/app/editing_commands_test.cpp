#include <gtest/gtest.h>

#include "app/tform1.h"
#include "support/recording_host.h"
#include "sheet/tree_marks.h"

using namespace tolvane;
using tolvane::testing::RecordingHost;

namespace {

struct Window : TForm1 {
    RecordingHost messages;
    Window()
    {
        host = &messages;
        kansenno = 4;
    }
    void feeder(int row, std::vector<std::string_view> marks, std::string name)
    {
        StringGrid1.setCell(col::No, row, "n");
        StringGrid1.setCell(col::Name, row, std::move(name));
        for (auto m : marks) StringGrid1.setCell(col::Mark, row++, std::string(m));
    }
    // A right-button release after a press on row `press`.
    bool rightClick(int press, int release)
    {
        ny1 = press;
        uy1 = release;
        return StringGrid1PopupRelease(true);
    }
};

// Feeders No.1 (row 0), No.2 (rows 1-3), No.3 (row 5).
void threeFeeders(Window& w)
{
    w.feeder(0, {mark::Single}, "A");
    w.feeder(1, {mark::Head, mark::Point, mark::Last}, "B");
    w.feeder(5, {mark::Single}, "C");
    w.Button4Click();
}

}  // namespace

TEST(EditingCommands, DeletingFeederTwoOfThreeMovesTheNextUpAndRenumbers)
{
    Window w;
    threeFeeders(w);
    ASSERT_TRUE(w.rightClick(2, 2) == false);  // inside the branch: no menu
    ASSERT_TRUE(w.rightClick(1, 1));
    EXPECT_EQ(w.PopupMenu1.deleteCaption, "No.2 を削除する");
    w.N1Click();
    EXPECT_EQ(w.messages.informed, std::vector<std::string>{"削除しましたので、No.の更新を行います"});
    EXPECT_EQ(w.kansenno, 3);
    EXPECT_EQ(w.StringGrid1.rowCount(), 108);
    EXPECT_EQ(w.StringGrid1.cell(col::Name, 2), "C");
    EXPECT_EQ(w.StringGrid1.cell(col::No, 2), "2");
    EXPECT_EQ(w.StringGrid1.cell(col::FeederNo, 2), "2");
    EXPECT_EQ(w.StringGrid1.cell(col::Mark, 5), "");
    EXPECT_TRUE(w.modified);
}

TEST(EditingCommands, DeletingEmptyRowsIsSilent)
{
    Window w;
    threeFeeders(w);
    ASSERT_TRUE(w.rightClick(4, 4));
    EXPECT_EQ(w.PopupMenu1.deleteCaption, "行を削除する");
    w.N1Click();
    EXPECT_TRUE(w.messages.informed.empty());
    EXPECT_EQ(w.StringGrid1.cell(col::Name, 4), "C");
    EXPECT_EQ(w.StringGrid1.cell(col::No, 4), "3");
}

TEST(EditingCommands, PastingASevenRowFeederInsertsItAndGrowsTheSheetByFourteen)
{
    Window w;
    threeFeeders(w);
    w.feeder(7, {mark::Head, mark::Point2, mark::Branch1, mark::Segment1, mark::Last1, mark::Segment, mark::Last},
             "D");
    w.Button4Click();
    w.ny1 = 9;
    w.N7Click();
    ASSERT_EQ(w.StringGrid2.rowCount(), 7);

    ASSERT_TRUE(w.rightClick(4, 4));
    w.N8Click();
    EXPECT_EQ(w.StringGrid1.rowCount(), 108 + 14);
    EXPECT_EQ(w.StringGrid1.cell(col::Name, 4), "D");
    EXPECT_EQ(w.StringGrid1.cell(col::No, 4), "3");
    EXPECT_EQ(w.StringGrid1.cell(col::FeederNo, 10), "3");
    EXPECT_EQ(w.StringGrid1.cell(col::Name, 12), "C");
    EXPECT_EQ(w.StringGrid1.cell(col::No, 12), "4");

    // With two rows selected the pasted rows still go in as new rows: the
    // system-1 branch row at the top of the selection keeps its data.
    Window v;
    v.feeder(0, {mark::Head, mark::Point2, mark::Branch1, mark::Last1, mark::Segment, mark::Last}, "E");
    v.StringGrid1.setCell(col::Current, 2, "30");
    v.Button4Click();
    v.ny1 = 0;
    v.N7Click();
    ASSERT_TRUE(v.rightClick(2, 3));
    v.N8Click();
    EXPECT_EQ(v.StringGrid1.cell(col::Current, 2), "30");
    EXPECT_EQ(v.StringGrid1.cell(col::Mark, 2), mark::Branch1);
    EXPECT_EQ(v.StringGrid1.cell(col::Name, 3), "E");
    EXPECT_EQ(v.StringGrid1.cell(col::Mark, 9), mark::Last1);
}

TEST(EditingCommands, InsertClearAndClipboardCommands)
{
    Window w;
    threeFeeders(w);
    w.ny1 = 1;
    w.uy1 = 3;
    w.Button9Click();  // head row at the top: three rows
    EXPECT_EQ(w.StringGrid1.rowCount(), 111);
    EXPECT_EQ(w.StringGrid1.cell(col::Name, 4), "B");

    w.ny1 = 4;
    w.N3Click();
    EXPECT_TRUE(w.clipboardText.starts_with("B\t")) << w.clipboardText;
    w.Button3Click();
    EXPECT_TRUE(w.clipboardText.starts_with("幹線番号又は名称\t"));
    EXPECT_EQ(w.PopupMenu1.mode, DeleteMode::Feeder);

    w.frequencyEnabled = false;
    w.N11Click();
    EXPECT_EQ(w.StringGrid1, Sheet(111));
    EXPECT_TRUE(w.frequencyEnabled);
}

// Inserting and pasting stop at the sheet's row limit: a sheet beyond it
// would save into a file that cannot be loaded again.
TEST(EditingCommands, InsertAndPasteStopAtTheSheetsRowLimit)
{
    Window w;
    threeFeeders(w);
    w.rightClick(1, 1);
    w.N7Click();  // copies feeder No.2, three rows
    w.StringGrid1.setRowCount(kMaxSheetRows - 5);

    w.uy1 = 0;
    w.N8Click();  // would add 2 × 3 rows
    EXPECT_EQ(w.messages.informed, std::vector<std::string>{kSheetFullMessage});
    w.ny1 = 1;
    w.uy1 = 5;
    w.Button9Click();  // 5 rows above feeder No.2: room for exactly that
    EXPECT_EQ(w.StringGrid1.rowCount(), kMaxSheetRows);
    EXPECT_EQ(w.StringGrid1.cell(col::Name, 6), "B");
    w.Button9Click();
    EXPECT_EQ(w.messages.informed, (std::vector<std::string>{kSheetFullMessage, kSheetFullMessage}));
    EXPECT_EQ(w.StringGrid1.rowCount(), kMaxSheetRows);
    EXPECT_EQ(w.StringGrid1.cell(col::Name, 6), "B");
}
