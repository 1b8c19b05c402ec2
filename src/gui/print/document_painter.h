// Draws the calculation document's pages on a paint device: a printer chosen
// in the print dialog, or a PDF file at 600 dpi.
#pragma once

#include <QString>

#include <optional>
#include <string>

#include "output/print_page.h"

class QPainter;
class QPagedPaintDevice;
class QPrinter;

namespace tolvane::print {

// Draws one page; positions are multiplied by the page scale of each axis,
// pen widths stay device pixels.
void paintPage(QPainter& painter, const PrintPage& page, double scaleX, double scaleY);

// Draws every page on an A4 landscape page of `device` (a printer or a PDF
// writer whose painting has not begun); a document without pages is not
// started. Returns the reason of a failure.
std::optional<std::string> paintDocument(const PrintDocument& document, QPagedPaintDevice& device);

// Prints the pages with the building name as job title, on the paper the
// printer was set to (see printer_paper.h).
std::optional<std::string> printOnPrinter(const PrintDocument& document, QPrinter& printer);

// Writes the pages as a PDF at 600 dpi with the fonts embedded; a document
// without pages, or one stopped by a cell (`failure`), writes no file. An
// existing file is replaced only once the new one is complete (see
// ReplacementFile). Returns the reason of a failure.
std::optional<std::string> writePdf(const PrintDocument& document, const QString& path);

}  // namespace tolvane::print
