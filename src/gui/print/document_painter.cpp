#include "gui/print/document_painter.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <filesystem>
#include <system_error>
#include <variant>

#include "gui/print/fonts.h"
#include "sheet/file_store.h"

namespace tolvane::print {

namespace {

QPageLayout a4Landscape()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

QPen penOf(int width)
{
    // Wide pens end and join round, as the printer's own pens do.
    return QPen(QBrush(Qt::black), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

}  // namespace

void paintPage(QPainter& painter, const PrintPage& page, double scaleX, double scaleY)
{
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setBrush(Qt::NoBrush);
    QFont font(QString::fromUtf8(kPrintFont));
    for (const Primitive& item : page.items) {
        if (const auto* t = std::get_if<DrawText>(&item)) {
            font.setPointSizeF(t->size);
            font.setUnderline(t->underline);
            painter.setFont(font);
            // The position is the text's top-left corner; Qt draws at the baseline.
            QFontMetricsF metrics(font, painter.device());
            painter.drawText(QPointF(t->x * scaleX, t->y * scaleY + metrics.ascent()), QString::fromStdString(t->text));
        } else if (const auto* l = std::get_if<DrawLine>(&item)) {
            painter.setPen(penOf(l->pen));
            painter.drawLine(QPointF(l->x1 * scaleX, l->y1 * scaleY), QPointF(l->x2 * scaleX, l->y2 * scaleY));
        } else if (const auto* r = std::get_if<DrawRect>(&item)) {
            painter.setPen(penOf(r->pen));
            painter.drawRect(QRectF(QPointF(r->left * scaleX, r->top * scaleY),
                                    QPointF(r->right * scaleX, r->bottom * scaleY)));
        }
    }
}

std::optional<std::string> paintDocument(const PrintDocument& document, QPagedPaintDevice& device)
{
    // A print stopped before its first line starts no document at all.
    if (document.pages.empty()) return std::nullopt;
    installFontStandIns();
    QPainter painter;
    if (!painter.begin(&device)) return std::string("印刷を開始できません");
    const double scaleX = pageScale(device.logicalDpiX());
    const double scaleY = pageScale(device.logicalDpiY());
    for (std::size_t p = 0; p < document.pages.size(); ++p) {
        if (p > 0 && !device.newPage()) {
            painter.end();
            return std::string("改ページできません");
        }
        paintPage(painter, document.pages[p], scaleX, scaleY);
    }
    if (!painter.end()) return std::string("印刷を終了できません");
    return std::nullopt;
}

std::optional<std::string> printOnPrinter(const PrintDocument& document, QPrinter& printer)
{
    printer.setDocName(QString::fromStdString(document.jobTitle));
    return paintDocument(document, printer);
}

std::optional<std::string> writePdf(const PrintDocument& document, const QString& path)
{
    if (document.pages.empty()) return std::nullopt;
    // Written beside the target (through any links to it) and renamed over it
    // in one step only when complete.
    std::string target;
    if (auto reason = resolveSaveTarget(path.toStdString(), target)) return reason;
    const QString partial = QString::fromStdString(target) + QStringLiteral(".part");
    std::optional<std::string> failure;
    {
        QPdfWriter writer(partial);
        writer.setResolution(kPrintUnitsPerInch);
        writer.setPageLayout(a4Landscape());
        writer.setTitle(QString::fromStdString(document.jobTitle));
        writer.setCreator(QStringLiteral("Tolvane"));
        failure = paintDocument(document, writer);
    }
    if (failure) {
        QFile::remove(partial);
        return "PDF を書けません: " + path.toStdString() + ": " + *failure;
    }
    std::error_code renamed;
    std::filesystem::rename(partial.toStdString(), target, renamed);
    if (renamed) {
        QFile::remove(partial);
        return "PDF を保存できません: " + path.toStdString() + ": " + renamed.message();
    }
    return std::nullopt;
}

}  // namespace tolvane::print
