// The feeder calculations run over every feeder of a sheet, top-down, as the
// window runs them on one feeder after an entry form was used.
#pragma once

#include <string>
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

// A feeder whose calculation stopped at a cell that is not a number.
struct FeederFailure {
    int row = 0;          // the feeder's head row
    std::string message;  // the conversion's own text
};
// recalculateFeeder on every feeder, top-down, each on its own: a bad cell
// stops its feeder there (what was written stays) and the next feeder goes on.
std::vector<FeederFailure> recalculateSheet(Sheet& sheet, const SupplyChoice& supply);

}  // namespace tolvane
