// Writing a document as a PDF from a command other than print-pdf. Drawing
// needs Qt, which only the build with the GUI links in; its writer registers
// itself here, and without it the commands say that they cannot write PDFs.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "output/print_page.h"

namespace tolvane::cli {

// Writes the pages to `path`; returns the reason of a failure.
using PdfWriter = std::function<std::optional<std::string>(const PrintDocument& document, const std::string& path)>;

struct PdfWriterRegistration {
    explicit PdfWriterRegistration(PdfWriter writer);
};

// The registered writer; empty in a build without the GUI.
const PdfWriter& pdfWriter();

inline constexpr const char* kNoPdfInThisBuild = "この tolvane-cli は GUI なしで作られたため、PDF を書けません。";

}  // namespace tolvane::cli
