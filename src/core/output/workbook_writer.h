// Writes the calculation document as an .xlsx workbook: one worksheet per
// planned page, each built from the page template and filled with its lines.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "output/document.h"
#include "output/workbook_plan.h"
#include "sheet/sheet.h"

namespace tolvane {

// Progress of a running export: position and maximum.
using ExportProgress = std::function<void(int position, int maximum)>;

// Writes the workbook to `path`; an existing file is replaced only once the
// new workbook is complete. Returns the reason of a failure.
std::optional<std::string> writeWorkbook(const std::string& path, const WorkbookPlan& plan, const Sheet& sheet,
                                         const TitleBlock& title, const ExportProgress& progress = {});

// How a spreadsheet takes a typed entry: a decimal number (optionally with
// "," thousands separators) becomes a number, anything else stays text.
struct TypedEntry {
    bool number = false;
    double value = 0;
    bool grouped = false;  // typed with thousands separators
    int decimals = 0;      // decimals typed, for the grouped display
};
TypedEntry typedEntry(const std::string& text);

}  // namespace tolvane
