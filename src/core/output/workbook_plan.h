// How the document is cut into worksheets: per feeder ("１項目／シート") or
// in pages of 18 lines as the page record laid them out, with the worksheet
// names a spreadsheet accepts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "output/worksheet_template.h"
#include "sheet/sheet.h"

namespace tolvane {

enum class WorkbookMode { PerItem, Rows18 };

struct ItemLine {
    int sheetRow;
    int worksheetRow;  // 9, 11, ..., 43
};

struct WorksheetPlan {
    std::string name;
    std::vector<ItemLine> lines;
};

struct WorkbookPlan {
    ItemVariant variant = ItemVariant::Small;
    std::vector<WorksheetPlan> worksheets;
    int feeders = 0;  // feeders of the per-item export (progress)
};

inline constexpr std::size_t kMaxSheetNameLength = 31;

// A worksheet title in two parts: the text, which is cut when the whole
// title is too long ("電路計算書 " and the feeder's name), and the suffix,
// which always stays whole (the page " (2)" and the counters "(1)").
struct SheetTitle {
    std::string text;
    std::string suffix;
};

// A name a spreadsheet accepts: the characters : \ / ? * [ ] (and an
// apostrophe at either end) become "_", and the text is cut so that text and
// suffix together hold at most 31 characters.
std::string validSheetName(const SheetTitle& title);

// Makes every name differ from the names before it: at each earlier equal
// name a counter shared by the whole list grows by one and "(counter)" is
// appended to the title's suffix. Comparison ignores ASCII case, as
// spreadsheets do. Returns the valid names.
std::vector<std::string> uniqueSheetNames(std::vector<SheetTitle> titles);

// Per-item export: at most 18 used rows go on one worksheet "電路計算書 ";
// otherwise every feeder gets worksheets of its own, 18 of its rows each (its
// rows as the page record finds them, not its stored count). A feeder number
// or row count that is not a whole number throws ConversionError.
WorkbookPlan planPerItem(const Sheet& sheet);

// 18-row export from the page record (line numbers in column 25): a new
// worksheet at every line 1, rows 0 to maxrowsu.
WorkbookPlan planRows18(const Sheet& sheet, std::int32_t maxrowsu, std::int32_t pagesu);

}  // namespace tolvane
