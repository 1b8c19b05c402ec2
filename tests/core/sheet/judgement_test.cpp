// How cells are drawn: style per column, red cells of failed checks, the page
// lines; and the review's stop at a cell that is not a number.
#include <gtest/gtest.h>

#include "calc_fixture.h"
#include "sheet/judgement.h"
#include "sheet/review.h"

namespace tolvane::sheetcalc {
namespace {

TEST(DrawCell, StyleAndTextPerColumn)
{
    struct Case {
        int column;
        std::string cell;
        int fontSize;
        CellAlignment alignment;
        bool red;
        std::string shown;
    };
    const Case cases[] = {
        {0, "1", 10, CellAlignment::Centre, false, "1"},
        {7, "分岐点", 9, CellAlignment::Centre, false, "分岐点"},
        {12, "保護管配線", 9, CellAlignment::Centre, false, "保護管配線"},
        {26, "1", 10, CellAlignment::Centre, false, "1"},
        {5, "├─▶", 18, CellAlignment::Left, true, "├─▶"},
        {6, "1234.5", 10, CellAlignment::Right, false, "1,234.5"},
        {6, "0.5", 10, CellAlignment::Right, false, ".5"},
        {6, "abc", 10, CellAlignment::Right, false, ""},
        {1, "F1", 10, CellAlignment::Left, false, "F1"},
        {18, "備考", 10, CellAlignment::Left, false, "備考"},
        {21, "〇：許容電流55%以上", 10, CellAlignment::Left, false, "〇：許容電流55%以上"},
    };
    for (const Case& c : cases) {
        Sheet sheet;
        sheet.setCell(c.column, 4, c.cell);
        const CellDrawing d = drawCell(sheet, c.column, 4);
        EXPECT_EQ(d.fontSize, c.fontSize) << "column " << c.column;
        EXPECT_EQ(d.alignment, c.alignment) << "column " << c.column;
        EXPECT_EQ(d.red, c.red) << "column " << c.column;
        EXPECT_EQ(d.text, c.shown) << "column " << c.column;
    }
}

TEST(DrawCell, FailedChecksAreRed)
{
    Sheet sheet = sheetOf(readCalcFixture("drawing.txt").input);
    applyDrawingChecks(sheet);
    struct Case {
        int column;
        int row;
        bool red;
    };
    const Case cases[] = {
        {4, 0, true},  {8, 0, false}, {8, 1, true},   {4, 2, true},   {8, 2, true},  {15, 3, true},
        {6, 4, true},  {11, 4, false}, {21, 4, true}, {6, 5, false},  {11, 5, true}, {21, 6, false},
        {4, 7, false}, {16, 8, true},  {15, 9, false}, {16, 10, true}, {16, 11, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(drawCell(sheet, c.column, c.row).red, c.red) << "column " << c.column << ", row " << c.row;
    // A breaker that is not a number is shown as it stands.
    EXPECT_EQ(drawCell(sheet, 4, 7).text, "abc");
}

TEST(DrawCell, PageLineAboveEveryEighteenthRow)
{
    for (int row : {0, 18, 36, 18 * 100}) EXPECT_TRUE(hasPageLine(row)) << row;
    for (int row : {1, 17, 19, 35, 37}) EXPECT_FALSE(hasPageLine(row)) << row;
}

TEST(Review, StopsAtAnAllowableDropThatIsNotANumber)
{
    Sheet sheet;
    sheet.setCell(col::Judgement, 1, "×：許容電流35%以下");
    sheet.setCell(col::LoadName, 1, "L-1");
    sheet.setCell(col::AllowableDrop, 2, "abc");
    sheet.setCell(col::Judgement, 3, "×：許容電流35%以下");

    const Review review = reviewJudgements(sheet);
    ASSERT_EQ(review.reports.size(), 1u);
    EXPECT_EQ(review.reports[0].row, 1);
    ASSERT_TRUE(review.error);
    EXPECT_EQ(review.error->row, 2);
    EXPECT_EQ(review.error->message, "'abc' は数値ではありません");
}

}  // namespace
}  // namespace tolvane::sheetcalc
