// A sheet row as one line of comma text: the 35 cells separated by commas,
// a cell quoted when it holds a blank, a control character, a comma or a
// double quote. This is the row line of the sheet file.
#pragma once

#include <string>
#include <string_view>

#include "sheet/sheet.h"

namespace tolvane {

// One row as comma text; an empty row is 34 commas.
std::string encodeCommaText(const SheetRow& row);

// Splits a comma-text line into the cells of a row. Fields fill columns 0,
// 1, 2 ... in order; fields beyond the 35th are dropped, missing ones stay
// empty. An empty field comes back as a single blank " ", as the grid stores
// it; the file loader's clean-up turns those into empty cells.
SheetRow decodeCommaText(std::string_view line);

}  // namespace tolvane
