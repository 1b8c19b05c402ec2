#include "gui/print/document_painter.h"

#include <QIODevice>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <unistd.h>

#include <cerrno>
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

// Hands what the PDF writer produces straight to the file's descriptor and
// keeps the first system error, so that a failure can say why.
class DescriptorDevice : public QIODevice {
public:
    explicit DescriptorDevice(int fd) : fd_(fd) {}
    int error() const { return error_; }
    bool seek(qint64 position) override
    {
        if (::lseek(fd_, static_cast<off_t>(position), SEEK_SET) < 0) {
            remember(errno);
            return false;
        }
        return QIODevice::seek(position);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        if (error_ != 0) return -1;
        qint64 done = 0;
        while (done < size) {
            const ssize_t put = ::write(fd_, data + done, static_cast<std::size_t>(size - done));
            if (put < 0) {
                if (errno == EINTR) continue;
                remember(errno);
                return -1;
            }
            done += put;
        }
        return done;
    }

private:
    void remember(int error)
    {
        if (error_ == 0) error_ = error;
    }
    int fd_;
    int error_ = 0;
};

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
    // A print stopped by a cell writes no file at all, so that an earlier
    // PDF of the same name stays as it was; the caller says why.
    if (document.pages.empty() || document.failure) return std::nullopt;
    ReplacementFile file;
    if (auto reason = file.create(path.toStdString())) return reason;
    DescriptorDevice device(file.descriptor());
    device.open(QIODevice::WriteOnly);
    std::optional<std::string> failure;
    {
        QPdfWriter writer(&device);
        writer.setResolution(kPrintUnitsPerInch);
        writer.setPageLayout(a4Landscape());
        writer.setTitle(QString::fromStdString(document.jobTitle));
        writer.setCreator(QStringLiteral("Tolvane"));
        failure = paintDocument(document, writer);
    }
    device.close();
    // A full disk shows as a failed write, whatever the painter made of it.
    if (device.error() != 0) return file.failure(device.error());
    if (failure) return "PDF を書けません（" + path.toStdString() + "）: " + *failure;
    return file.commit();
}

}  // namespace tolvane::print
