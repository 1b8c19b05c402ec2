// The printer and PDF steps every document of the program takes: the print
// dialog with the A4 question, and the PDF file dialog; the document itself
// is laid out only once the user has chosen.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "output/print_page.h"

class QWidget;

namespace tolvane {
class Host;
}

namespace tolvane::gui {

using DocumentLayout = std::function<PrintDocument()>;

// Lets the user choose a printer and prints the document on it; a printer
// without A4 asks first. Failures and a stopped print are told through host.
void printOnChosenPrinter(QWidget* parent, Host& host, const DocumentLayout& layout);

// What writing a PDF came to.
struct PdfOutcome {
    std::string path;       // the file named (".pdf" added)
    bool written = false;   // the file exists now
    bool complete = false;  // the whole document went in
};
// Asks for a file name (proposing `proposed`) and writes the document there
// as a PDF, never over `sheetFile` (the sheet it comes from). Nothing when the
// user cancelled; failures and a stopped print are told through host, and a
// stopped print writes no file, so an earlier PDF stays as it was.
std::optional<PdfOutcome> writePdfToChosenFile(Host& host, const std::string& proposed, const std::string& sheetFile,
                                               const DocumentLayout& layout);

}  // namespace tolvane::gui
