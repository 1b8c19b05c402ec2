// Feeder identity on the sheet: renumbering and the row range of a feeder.
#pragma once

#include <string>
#include <unordered_map>

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

// The last rows of all feeders at once, as findFeederRange finds the last row
// of one (the last row whose column 26 holds the feeder's number), for the
// outputs that walk every feeder of a large sheet.
class FeederEnds {
public:
    explicit FeederEnds(const Sheet& sheet);
    // Rows of the feeder numbered `number` whose head row is `head`: from the
    // head down to the feeder's last row, or the head alone when no row
    // below it carries the number. The rows decide, never a stored count.
    int rowsFrom(int head, const std::string& number) const;

private:
    std::unordered_map<std::string, int> last_;
};

// The head row (No. and name) of the feeder that row `row` belongs to: the
// first of the rows above it that carry its number in column 26; `row`
// itself when it belongs to no feeder.
int feederHeadRow(const Sheet& sheet, int row);
// The top row of a screen of `visibleRows` rows that shows `row` under its
// feeder's head row when both fit; `row` itself when they do not.
int topRowShowingFeeder(const Sheet& sheet, int row, int visibleRows);

}  // namespace tolvane
