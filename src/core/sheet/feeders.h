// Feeder identity on the sheet: renumbering and the row range of a feeder.
#pragma once

#include "sheet/sheet.h"

namespace tolvane {

// Walks the sheet top-down: every row with a feeder number in column 0 gets
// the next number 1, 2, ...; every row with a tree mark gets, in column 26,
// the number most recently given.
void renumberFeeders(Sheet& sheet);

struct FeederRange {
    int s1 = 0;  // first row: the first row whose column 0 equals the number
    int e1 = 0;  // last row whose column 26 equals it
};
// The range of the feeder that row `row` belongs to (by its column 26).
FeederRange findFeederRange(const Sheet& sheet, int row);

// The head row (No. and name) of the feeder that row `row` belongs to: the
// first of the rows above it that carry its number in column 26; `row`
// itself when it belongs to no feeder.
int feederHeadRow(const Sheet& sheet, int row);
// The top row of a screen of `visibleRows` rows that shows `row` under its
// feeder's head row when both fit; `row` itself when they do not.
int topRowShowingFeeder(const Sheet& sheet, int row, int visibleRows);

}  // namespace tolvane
