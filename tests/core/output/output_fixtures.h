// Sheets for the document output tests: feeders laid out by row count, and
// the fixture sheet files of tests/data/output.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/tform1.h"
#include "sheet/sheet.h"
#include "sheet/tree_marks.h"

namespace tolvane::test {

// Feeders of the given row counts one after another; a count of 0 stands for
// an empty row between feeders. Head rows carry number, name and row count.
inline Sheet feedersOf(const std::vector<int>& counts, int rows = 108)
{
    Sheet sheet(rows);
    int r = 0;
    int number = 0;
    for (int n : counts) {
        if (n == 0) {
            ++r;
            continue;
        }
        ++number;
        sheet.setCell(col::No, r, std::to_string(number));
        sheet.setCell(col::Name, r, "L-" + std::to_string(number));
        sheet.setCell(col::RowTotal, r, std::to_string(n));
        for (int i = 0; i < n; ++i) {
            sheet.setCell(col::Mark, r + i, std::string(i == 0 ? (n == 1 ? mark::Single : mark::Head) : mark::Segment));
            sheet.setCell(col::FeederNo, r + i, std::to_string(number));
        }
        r += n;
    }
    return sheet;
}

inline std::string fixturePath(const std::string& name) { return std::string(TOLVANE_TEST_DATA) + "/output/" + name; }

// A main window holding a fixture sheet file.
inline TForm1 windowWith(const std::string& name)
{
    TForm1 form;
    auto failure = form.loadSheetFile(fixturePath(name));
    EXPECT_FALSE(failure) << *failure;
    return form;
}

}  // namespace tolvane::test
