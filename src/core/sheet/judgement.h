// How every cell of the sheet is drawn, and the checks made while drawing: a
// breaker below the main device, a main device below the design current and a
// drop above the allowable drop turn the cell red and write their judgement
// into column 21. The grid painter, the batch tools and the tests all go
// through drawCell, so screen, file and command line agree.
#pragma once

#include <string>
#include <string_view>

#include "sheet/sheet.h"

namespace tolvane {

namespace judgement {
inline constexpr std::string_view BreakerBelowMainDevice = "×：幹線保護用遮断機が主幹器具定格電流より小さい";
inline constexpr std::string_view MainDeviceBelowCurrent = "×：主幹器具定格電流が設計負荷電流より小さい";
inline constexpr std::string_view DropTooLarge = "×：電圧降下が大きい 確認必要";
// Every judgement that reports a failure begins with this mark.
inline constexpr std::string_view FailureMark = "×";
}  // namespace judgement

enum class CellAlignment { Left, Centre, Right };

struct Rgb {
    int red = 0, green = 0, blue = 0;
};
// The page boundary: a grey line 3 px wide along the top edge of the row.
inline constexpr Rgb kPageLineColour{128, 128, 128};
inline constexpr int kPageLineWidth = 3;
// Text is drawn vertically centred on one line, this far from the left edge.
inline constexpr int kCellTextInset = 3;
inline constexpr int kRowHeight = 24;

struct CellDrawing {
    int fontSize = 10;  // points
    CellAlignment alignment = CellAlignment::Left;
    bool red = false;   // otherwise the sheet's navy (or the selection's text colour)
    std::string text;   // what is shown
};

// Style and text of one cell, with the check of its column; a failing check
// writes its judgement into column 21 of the row. Cells to the right see what
// the cells to their left wrote, so within a row the drop check wins over the
// main-device check, which wins over the breaker check and the tap rule.
// A cell that should hold a number and does not is drawn as it stands,
// without a check.
CellDrawing drawCell(Sheet& sheet, int column, int row);

// Rows 0, 18, 36 ... begin a page of the document.
bool hasPageLine(int row);

// What drawing every cell of a row, left to right, writes into column 21.
void applyDrawingChecks(Sheet& sheet, int row);
// The same for every row of the sheet.
void applyDrawingChecks(Sheet& sheet);

}  // namespace tolvane
