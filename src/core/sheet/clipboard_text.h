// Sheet rows as tab-separated text for a spreadsheet: columns 1 to 17, the
// tree mark with a blank in front, every line ended by CR LF.
#pragma once

#include <string>

#include "sheet/sheet.h"

namespace tolvane {

// Rows first..last, without a heading line.
std::string clipboardTextOfRows(const Sheet& sheet, int first, int last);

// The feeder that row `row` belongs to.
std::string clipboardTextOfFeeder(const Sheet& sheet, int row);

// The heading line, then rows 0 to the last row with a tree mark (row 0
// alone on an empty sheet).
std::string clipboardTextOfSheet(const Sheet& sheet);

}  // namespace tolvane
