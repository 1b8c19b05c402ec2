#include <gtest/gtest.h>

#include "sheet/sheet.h"
#include "sheet/tree_marks.h"

using namespace tolvane;

TEST(Sheet, ACopyIsIndependentOfTheSheetItWasTakenFrom)
{
    Sheet sheet;
    sheet.setCell(col::Name, 3, "L1");
    sheet.setCell(col::Mark, 3, std::string(mark::Single));
    Sheet copy = sheet;

    copy.setCell(col::Name, 3, "P1");
    copy.setCell(col::Name, 4, "new");
    EXPECT_EQ(sheet.cell(col::Name, 3), "L1");
    EXPECT_EQ(sheet.cell(col::Name, 4), "");
    sheet.setCell(col::Mark, 3, "");
    sheet.clearRow(3);
    EXPECT_EQ(copy.storedRows(), 5);
    EXPECT_EQ(Sheet(100000).storedRows(), 0);
    EXPECT_EQ(copy.cell(col::Mark, 3), mark::Single);
    EXPECT_EQ(copy.cell(col::Name, 3), "P1");
    EXPECT_EQ(copy.lastUsedRow(), 3);
    EXPECT_EQ(sheet.lastUsedRow(), 0);
}

TEST(Sheet, RowsAreComparedByTheirCellsHoweverTheyCameAbout)
{
    Sheet written(100000);
    written.setCell(col::Name, 99999, "last");
    written.setCell(col::Name, 5, "x");
    written.setCell(col::Name, 5, "");  // written, then emptied again
    written.setRow(6, SheetRow{});

    Sheet other(99999);
    other.insertRows(99999, 1);  // the new row at the very end
    EXPECT_EQ(other.rowCount(), 100000);
    EXPECT_FALSE(written == other);
    other.setCell(col::Name, 99999, "last");
    EXPECT_EQ(written, other);

    // Rows cut off and grown again come back empty.
    written.setRowCount(10);
    written.setRowCount(100000);
    EXPECT_EQ(written.cell(col::Name, 99999), "");
    EXPECT_EQ(written, Sheet(100000));

    // Inserting moves the rows below, clearing keeps the row count.
    Sheet moved(20);
    moved.setCell(col::Name, 2, "a");
    moved.insertRows(1, 3);
    EXPECT_EQ(moved.rowCount(), 23);
    EXPECT_EQ(moved.cell(col::Name, 5), "a");
    moved.clear();
    EXPECT_EQ(moved, Sheet(23));
}
