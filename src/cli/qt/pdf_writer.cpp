// The PDF writer of the commands other than print-pdf: the document drawn as
// "PDF出力" draws it, without a display.
#include <QGuiApplication>

#include "cli/pdf_output.h"
#include "gui/print/document_painter.h"

namespace tolvane::cli {
namespace {

std::optional<std::string> writeWithQt(const PrintDocument& document, const std::string& path)
{
    // Fonts and painting need an application object, but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "tolvane-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    return print::writePdf(document, QString::fromStdString(path));
}

const PdfWriterRegistration registration(writeWithQt);

}  // namespace
}  // namespace tolvane::cli
