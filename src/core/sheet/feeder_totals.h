// The derived columns of one feeder: design currents summed towards the board,
// the drop of every run, the lengths and drops accumulated from the board to
// every dwelling, the allowable drops and the over markers.
//
// Every command works on the rows s1..e1 of one feeder. A cell that should be
// a number and is not stops the command with ConversionError at that row;
// what was written before stays written.
#pragma once

#include <string_view>
#include <vector>

#include "calc/voltage_drop.h"
#include "sheet/feeders.h"
#include "sheet/sheet.h"

namespace tolvane {

// Decimal value of a cell; 0 when the cell holds no value (empty or " ").
double cellNumber(const Sheet& sheet, int column, int row);

// The last row of system 1 of a two-system feeder, directly above the first
// row of system 2: the totals start system 2's sums again from the head.
bool endsSystem1(const Sheet& sheet, int row);

// The walk of a feeder from the board, as the summed drop takes it: for every
// row of the range, the row at whose end its run starts, or -1 at the board.
// A trunk run (head, branch point, segment) starts at the end of the trunk
// run before it, system 2 of a two-system feeder again at the end of the head
// run; a branch row starts at the end of the trunk run above it. Whatever is
// summed along the feeder (drops, impedances) is summed along this walk.
struct FeederWalk {
    int first = 0;          // the range's first row on the sheet
    std::vector<int> from;  // from[r - first]: where row r's run starts
    int startOf(int row) const { return from[static_cast<std::size_t>(row - first)]; }
    int last() const { return first + static_cast<int>(from.size()) - 1; }
};
FeederWalk walkFeeder(const Sheet& sheet, FeederRange range);

// 設計電流の再計算: walking up from e1, every trunk row (head, branch point,
// segment) gets in column 9 the whole-ampere sum of the dwelling currents of
// all branch rows below it in the range.
void recalculateDesignCurrents(Sheet& sheet, FeederRange range);

// 単独の電圧降下計算: column 15 of every row that has a current, a length
// and an impedance: K' × I × l × Z / 1000 with 2 decimals, K' of the head
// row's system.
void computeSingleDrops(Sheet& sheet, FeederRange range);

// こう長と電流値の足し算、電圧降下計算と判断: cumulative lengths (column 19),
// currents with demand factors (column 9) and the raised main device of the
// head (column 8), every run's drop (15), the summed drop of every branch
// (16), the allowable drop (17) by `supply`, and the over marker (23).
void computeFeederTotals(Sheet& sheet, FeederRange range, const SupplyChoice& supply);

}  // namespace tolvane
