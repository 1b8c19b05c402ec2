// `print-pdf FILE.ksk OUT.pdf`: the printed calculation document of a sheet
// file, as "印刷" draws it, written as a PDF.
#include <QGuiApplication>

#include <iostream>

#include "app/tform1.h"
#include "cli/command.h"
#include "cli/open_sheet.h"
#include "gui/print/document_painter.h"
#include "sheet/file_store.h"

namespace tolvane::cli {
namespace {

int runPrintPdf(const std::vector<std::string>& args)
{
    if (args.size() != 2) {
        std::cerr << "usage: tolvane-cli print-pdf FILE.ksk OUT.pdf\n";
        return kExitBadInput;
    }
    // Fonts and painting need an application object, but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "tolvane-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    if (auto reason = outputOverInput(args[0], args[1])) {
        std::cerr << *reason << "\n";
        return kExitBadInput;
    }
    TForm1 form;
    if (!openSheet(form, args[0])) return kExitBadInput;
    PrintDocument document = form.printDocument();
    // A print stopped by a cell writes no file; an earlier PDF stays.
    if (auto reason = print::writePdf(document, QString::fromStdString(args[1]))) {
        std::cerr << *reason << "\n";
        return kExitCannotWrite;
    }
    if (document.failure) {
        std::cerr << printFailureText(*document.failure) << "\n";
        return kExitReported;
    }
    return kExitOk;
}

const CommandRegistration registration("print-pdf", "print-pdf FILE.ksk OUT.pdf", runPrintPdf);

}  // namespace
}  // namespace tolvane::cli
