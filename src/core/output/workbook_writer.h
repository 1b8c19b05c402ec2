// Writes the calculation document as an .xlsx workbook: one worksheet per
// planned page, each built from the page template and filled with its lines.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "output/document.h"
#include "output/workbook_plan.h"
#include "sheet/sheet.h"

struct lxw_workbook;

namespace tolvane {

// Progress of a running export: position and maximum.
using ExportProgress = std::function<void(int position, int maximum)>;

// Why an export stopped: what the sheet holds (a cell that is no number, a
// feeder name no worksheet can carry), or the file that cannot be written.
struct ExportFailure {
    std::string text;
    bool cannotWrite = false;  // the workbook file could not be created or saved
};

// Creates a workbook for `path`, lets `fill` add its worksheets and saves it;
// an existing file is replaced only once the new workbook is complete. A
// failure of `fill` writes nothing. Every workbook export goes through here.
// `worksheets` says how many worksheets a filler that writes its rows in
// order adds: a workbook of very many is written in constant memory (the
// workbook's options say so to the filler); 0 keeps it in memory.
using WorkbookFiller = std::function<std::optional<ExportFailure>(lxw_workbook*)>;
std::optional<ExportFailure> saveWorkbook(const std::string& path, const WorkbookFiller& fill,
                                          std::size_t worksheets = 0);

// Writes the workbook to `path`; an existing file is replaced only once the
// new workbook is complete. Returns the reason of a failure.
std::optional<ExportFailure> writeWorkbook(const std::string& path, const WorkbookPlan& plan, const Sheet& sheet,
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
