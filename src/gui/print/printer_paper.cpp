#include "gui/print/printer_paper.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

#include "output/print_page.h"

namespace tolvane::print {

namespace {

bool isA4(const QPageSize& size) { return size.isEquivalentTo(QPageSize(QPageSize::A4)); }

}  // namespace

PaperOffer paperOfferOf(const QPrinter& printer)
{
    PaperOffer offer;
    if (printer.outputFormat() != QPrinter::NativeFormat) return offer;
    const QPrinterInfo info(printer);
    if (info.isNull()) return offer;
    offer.sizes = info.supportedPageSizes();
    offer.anySize = info.supportsCustomPageSizes();
    offer.printerDefault = info.defaultPageSize();
    return offer;
}

std::optional<std::string> paperNotice(const QPageLayout& applied, const PaperOffer& offer)
{
    // A print system takes an A4 request even for a printer that has no A4
    // paper, and then prints on the printer's own paper.
    const bool offersA4 = offer.anySize || offer.sizes.isEmpty() || std::any_of(offer.sizes.begin(), offer.sizes.end(), isA4);
    const bool landscape = applied.orientation() == QPageLayout::Landscape;
    if (offersA4 && isA4(applied.pageSize()) && landscape) return std::nullopt;
    const QPageSize paper = offersA4 || !offer.printerDefault.isValid() ? applied.pageSize() : offer.printerDefault;
    const QString shown = paper.name() + (landscape ? QStringLiteral(" 横") : QStringLiteral(" 縦"));
    return "プリンターの用紙を A4 横にできませんでした（" + shown.toStdString() + "）。\n" + kPaperNotA4Notice;
}

std::optional<std::string> setA4Landscape(QPrinter& printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    return paperNotice(printer.pageLayout(), paperOfferOf(printer));
}

}  // namespace tolvane::print
