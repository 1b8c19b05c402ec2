// The structural edits of the sheet behind the popup menu: inserting empty
// rows, deleting a block of rows, copying a feeder into the copy buffer and
// pasting it back.
#pragma once

#include "sheet/feeders.h"
#include "sheet/sheet.h"

namespace tolvane {

// Number of empty rows "行の追加" inserts for the selection between rows
// `ny1` and `uy1`: one per selected row below the top, one more when the top
// row is a feeder's head row, at least one.
int rowsToInsert(const Sheet& sheet, int ny1, int uy1);

// "行の追加": inserts rowsToInsert(...) empty rows above the top row of the
// selection; the sheet grows by as many rows.
void insertRowsAtSelection(Sheet& sheet, int ny1, int uy1);

// Clears rows first..last and moves every row below them up into the gap;
// the row count stays. Nothing happens for an empty or inverted range.
void deleteRows(Sheet& sheet, int first, int last);

// The copy buffer after copying the feeder in `range`: its rows, every
// column, and a row count equal to the feeder's rows.
Sheet copyFeeder(const Sheet& sheet, FeederRange range);

// Inserts the copy buffer's rows as new rows at `at` and, as pasting always
// has, adds as many empty rows at the end of the sheet. Existing rows are
// only moved down, never overwritten.
void pasteFeeder(Sheet& sheet, const Sheet& buffer, int at);

}  // namespace tolvane
