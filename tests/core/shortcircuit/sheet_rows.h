// Sheets for the short-circuit tests: rows given as "|"-separated cells of
// the named columns, numbered as loading a file numbers them.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "sheet/feeders.h"
#include "sheet/sheet.h"

namespace tolvane::testing {

inline Sheet sheetOf(const std::vector<int>& columns, const std::vector<std::string>& rows)
{
    Sheet sheet;
    int r = 0;
    for (const std::string& line : rows) {
        std::istringstream in(line);
        std::string cell;
        for (int c : columns) {
            if (!std::getline(in, cell, '|')) break;
            sheet.setCell(c, r, cell);
        }
        ++r;
    }
    renumberFeeders(sheet);
    return sheet;
}

}  // namespace tolvane::testing
