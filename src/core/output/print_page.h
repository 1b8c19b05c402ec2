// The printed document as drawing primitives: A4 landscape pages of 18 item
// lines with frame, headings and footnote block, positioned in print units of
// 1/600 inch from the top-left corner of the printable area. A renderer
// (Qt painter, PDF) only has to draw them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "output/document.h"
#include "sheet/sheet.h"

namespace tolvane {

inline constexpr const char* kPrintFont = "ＭＳ 明朝";
inline constexpr int kPrintUnitsPerInch = 600;
inline constexpr const char* kPrintFailedMessage = "情報不足で印刷出来ませんでした。";
// Asked when the printer keeps paper other than A4 landscape.
inline constexpr const char* kPaperNotA4Notice =
    "計算書は A4 横の大きさで描かれるため、用紙からはみ出す部分は印刷されません。このまま印刷しますか？";

// Text whose top-left corner is at (x, y); size in points.
struct DrawText {
    int x = 0;
    int y = 0;
    int size = 8;
    bool underline = false;
    std::string text;
    bool operator==(const DrawText&) const = default;
};

// Straight line; pen width in device pixels (not scaled).
struct DrawLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int pen = 1;
    bool operator==(const DrawLine&) const = default;
};

// Rectangle outline; pen width in device pixels.
struct DrawRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int pen = 1;
    bool operator==(const DrawRect&) const = default;
};

using Primitive = std::variant<DrawText, DrawLine, DrawRect>;

struct PrintPage {
    std::vector<Primitive> items;
};

// Where the print stopped: the row and sheet column whose text is no number.
struct PrintFailure {
    int row = 0;
    int column = 0;
    std::string text;
};

struct PrintDocument {
    std::string jobTitle;  // the building name
    std::vector<PrintPage> pages;
    // Set when a cell stopped the print; the pages hold what was drawn until
    // then (the current page without its frame and headings), which a
    // printer prints and a PDF never holds.
    std::optional<PrintFailure> failure;
};

// The warning shown when the print stopped: the fixed notice and the row and
// cell that stopped it.
std::string printFailureText(const PrintFailure& failure);

// Lays out rows 0 to the document's last row, 18 rows a page.
PrintDocument layoutPrint(const Sheet& sheet, const TitleBlock& title);

// A number column as printed: fixed decimals padded with blanks to `width`;
// a value whose decimals are all 0 without decimals and with thousands
// separators; nothing for an empty cell or a value that shows as zero.
// A text that is no number throws ConversionError.
std::optional<std::string> printNumber(std::string_view cell, int decimals, int width);

// A cell the document or the calculation cannot use, with the report that
// names its column: "列 8 主幹器具定格電流：「nan」は数値ではありません".
struct CellFault {
    int row = 0;
    int column = 0;
    std::string text;
    std::string message;
};

// Every such cell, row by row: a number the print cannot read in rows 0 to
// the document's last row (read as the print reads it), a head row's row
// count that is no whole number, and a length, design current or power
// factor outside what a run can be calculated with.
std::vector<CellFault> unusableCells(const Sheet& sheet);

// Device pixels per print unit for a device resolution in dots per inch:
// the whole quotient of resolution / 600, or the fraction itself below 600
// dpi so that coarse devices still get the whole page.
double pageScale(int dotsPerInch);

}  // namespace tolvane
