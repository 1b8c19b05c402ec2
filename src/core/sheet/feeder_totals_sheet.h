// The feeder calculations run over every feeder of a sheet, top-down, as the
// window runs them on one feeder after an entry form was used.
#pragma once

#include <vector>

#include "calc/voltage_drop.h"
#include "sheet/feeders.h"
#include "sheet/sheet.h"

namespace tolvane {

// The range of every feeder, top-down: one per head row (a row with a feeder
// number in column 0 and a tree mark), found as findFeederRange finds it, in
// one walk over the sheet.
std::vector<FeederRange> allFeederRanges(const Sheet& sheet);

// Design currents, single drops, totals and the tap rule on one feeder.
void recalculateFeeder(Sheet& sheet, FeederRange range, const SupplyChoice& supply);

// recalculateFeeder on every feeder, top-down. ConversionError stops it at the
// bad cell; the feeders above are done.
void recalculateSheet(Sheet& sheet, const SupplyChoice& supply);

}  // namespace tolvane
