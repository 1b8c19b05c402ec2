#include "cli/pdf_output.h"

namespace tolvane::cli {

namespace {
PdfWriter& registered()
{
    static PdfWriter writer;
    return writer;
}
}  // namespace

PdfWriterRegistration::PdfWriterRegistration(PdfWriter writer) { registered() = std::move(writer); }

const PdfWriter& pdfWriter() { return registered(); }

}  // namespace tolvane::cli
