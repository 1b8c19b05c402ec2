// The double-click on a sheet row: the entry form that fits the row opens
// with the row's values, and what it records is written back into the sheet,
// followed by renumbering and the recalculation of the feeder.
#pragma once

namespace tolvane {

struct Forms;

// Acts on row uy1 of the main window's sheet (ux1 is the clicked column).
// An error in a step ends the dispatch silently; what was written stays.
void StringGrid1DblClick(Forms& forms);

}  // namespace tolvane
