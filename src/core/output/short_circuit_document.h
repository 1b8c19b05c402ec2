// The short-circuit calculation document 「短絡電流計算書」: the supply
// conditions and the assumptions of the calculation at its head, then one
// line per sheet row with its fault currents and the checks of its breaker,
// main device and cable. The printer and the PDF draw it as print primitives
// (A4 landscape, the voltage-drop document's font and number rules); the
// workbook writes the same texts into one worksheet. The window's grid shows
// the same columns.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "output/document.h"
#include "output/print_page.h"
#include "output/workbook_writer.h"
#include "shortcircuit/short_circuit.h"
#include "shortcircuit/supply.h"

namespace tolvane {

inline constexpr const char* kShortCircuitTitle = "短絡電流計算書";

// One column of the row table.
struct ShortCircuitColumn {
    std::vector<std::string_view> heading;  // lines, top first
    std::string_view group;                 // heading over several columns, on the first of them
    std::string_view screenGroup;           // the group's short name over each of its columns on screen
    int groupSpan = 0;                      // columns under the group heading
    int printWidth = 0;                     // print units
    double bookWidth = 0;                   // workbook character units
    int decimals = -1;                      // a number column's decimals; -1: text
};

// Column positions, left to right.
namespace sccol {
inline constexpr int No = 0;
inline constexpr int Name = 1;
inline constexpr int LoadName = 2;
inline constexpr int System = 3;
inline constexpr int Voltage = 4;
inline constexpr int Bank = 5;
inline constexpr int Cable = 6;
inline constexpr int Length = 7;
inline constexpr int StartKa = 8;
inline constexpr int EndKa = 9;
inline constexpr int XOverR = 10;
inline constexpr int PowerFactor = 11;
inline constexpr int Peak = 12;
inline constexpr int BreakerRating = 13;
inline constexpr int BreakerIcu = 14;
inline constexpr int BreakerRequired = 15;
inline constexpr int MainRating = 16;
inline constexpr int MainIcu = 17;
inline constexpr int MainRequired = 18;
inline constexpr int Section = 19;
inline constexpr int MinimumSection = 20;
inline constexpr int Judgement = 21;
inline constexpr int Count = 22;
}  // namespace sccol

const std::vector<ShortCircuitColumn>& shortCircuitColumns();

// One cell of a row line: its text as printed (numbers with their fixed
// decimals, whole values without them, nothing for an empty or zero value),
// the number the workbook writes, and whether it shows a failed check (red on
// screen).
struct ShortCircuitCell {
    std::string text;
    std::optional<double> number;
    bool failed = false;
};

// The cells of one row of `sheet`, one per column.
std::vector<ShortCircuitCell> shortCircuitCells(const ShortCircuitRow& row, const Sheet& sheet);

// The head of the document: the bank table, the breaking time, the
// assumptions and the table of the cables' constant k.
struct ShortCircuitHead {
    std::vector<std::string_view> bankHeading;
    std::vector<std::vector<std::string>> banks;  // one line of texts per bank
    std::string breakingTime;                     // "遮断時間 t = 0.02 s ..."
    std::vector<std::string> assumptions;
    std::vector<std::string_view> kHeading;
    std::vector<std::vector<std::string>> kTable;  // one line per insulation
};
ShortCircuitHead shortCircuitHead(const SupplyConditions& supply);

// The document as pages: every page carries the title block and the table's
// headings, the first one also the head. A row that was not computed prints
// its reason; a failed check prints its judgement; nothing stops the print.
PrintDocument layoutShortCircuitPrint(const ShortCircuitResult& result, const Sheet& sheet,
                                      const SupplyConditions& supply, const TitleBlock& title);

// The same document as a workbook of one worksheet 「短絡電流計算書」, A4
// landscape, fitted to the page width, the headings repeated on every printed
// page. Returns the reason of a failure; an earlier file survives it.
std::optional<ExportFailure> writeShortCircuitWorkbook(const std::string& path, const ShortCircuitResult& result,
                                                     const Sheet& sheet, const SupplyConditions& supply,
                                                     const TitleBlock& title);

}  // namespace tolvane
