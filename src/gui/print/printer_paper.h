// The paper of the printed document: A4 landscape. A printer is asked for the
// paper size and the orientation alone, so that it keeps the least margins it
// needs (a whole page layout without margins is refused by such printers, and
// the refusal changes nothing but the orientation).
#pragma once

#include <QList>
#include <QPageLayout>
#include <QPageSize>

#include <optional>
#include <string>

class QPrinter;

namespace tolvane::print {

// The paper a printer offers. A file output, or a printer that takes any
// size, offers every paper.
struct PaperOffer {
    QList<QPageSize> sizes;   // empty: not known, taken as any
    bool anySize = true;      // custom sizes are taken
    QPageSize printerDefault; // the paper it prints on instead
};

// What the selected printer offers.
PaperOffer paperOfferOf(const QPrinter& printer);

// The question for the user when the document would not come out on A4
// landscape, given the layout the printer applied and what it offers; nothing
// when it would.
std::optional<std::string> paperNotice(const QPageLayout& applied, const PaperOffer& offer);

// Sets the printer to A4 landscape and returns paperNotice of the result.
std::optional<std::string> setA4Landscape(QPrinter& printer);

}  // namespace tolvane::print
