#include "gui/document_output.h"

#include <QPrintDialog>
#include <QPrinter>

#include "gui/print/document_painter.h"
#include "gui/print/printer_paper.h"
#include "host/host.h"
#include "sheet/file_store.h"

namespace tolvane::gui {

void printOnChosenPrinter(QWidget* parent, Host& host, const DocumentLayout& layout)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    // A printer without A4 would cut the document off: the user decides.
    if (auto notice = print::setA4Landscape(printer); notice && !host.ask(*notice)) return;
    PrintDocument document = layout();
    std::optional<std::string> failure = print::printOnPrinter(document, printer);
    if (failure) host.reportError(*failure);
    if (document.failure) host.warn(printFailureText(*document.failure));
}

std::optional<PdfOutcome> writePdfToChosenFile(Host& host, const std::string& proposed, const std::string& sheetFile,
                                               const DocumentLayout& layout)
{
    std::optional<std::string> path = host.chooseFile(FileDialog::SavePdf, proposed);
    if (!path) return std::nullopt;
    PdfOutcome outcome;
    outcome.path = *path;
    if (!outcome.path.ends_with(".pdf")) outcome.path += ".pdf";
    if (auto reason = outputOverInput(sheetFile, outcome.path)) {
        host.reportError(*reason);
        return outcome;
    }
    PrintDocument document = layout();
    // A print stopped by a cell writes no file: an earlier PDF stays as it was.
    if (document.failure) {
        host.warn(printFailureText(*document.failure));
        return outcome;
    }
    if (std::optional<std::string> failure = print::writePdf(document, QString::fromStdString(outcome.path))) {
        host.reportError(*failure);
        return outcome;
    }
    outcome.written = outcome.complete = !document.pages.empty();
    return outcome;
}

}  // namespace tolvane::gui
