// The page record: numbers the lines of every document page (18 lines a
// page, a feeder that does not fit into the rest of a page starting a new
// one) and notes how many pages each feeder needs.
#pragma once

#include <cstdint>
#include <vector>

#include "sheet/sheet.h"

namespace tolvane {

// Pages a feeder of `rows` rows needs: rows / 18 + 0.5, rounded to the
// nearest whole number with halves to the even one.
int feederPageCount(int rows);

struct PageRecord {
    std::int32_t maxrowsu = 0;  // last row of the last feeder
    std::int32_t pagesu = 0;    // number of pages
};

// Writes the line number into column 25 of rows 0 to maxrowsu and the page
// count into column 30 of every head row. A feeder's rows run from its head
// row to the last row carrying its number (column 26), whatever the row count
// in column 24 says. `previousMaxRow` stays the last row when the sheet has no
// head row. A row count that is not a whole number throws ConversionError;
// the columns written so far stay written.
PageRecord recordPages(Sheet& sheet, std::int32_t previousMaxRow);

// The head rows whose row count is no whole number (the page record stops at
// the first of them).
std::vector<int> rowCountFaults(const Sheet& sheet);

}  // namespace tolvane
