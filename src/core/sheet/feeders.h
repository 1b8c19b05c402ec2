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

}  // namespace tolvane
