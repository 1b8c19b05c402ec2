#include "gui/dialogs/drawings.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "entry/entry_form.h"
#include "gui/dialogs/form_dialog.h"

namespace tolvane::gui {

Picture::Picture(QWidget* parent, const QRect& geometry, Painter painter) : QWidget(parent), painter_(std::move(painter))
{
    setGeometry(geometry);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Picture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    painter_(p, rect());
}

namespace {
QString u(const char* text) { return QString::fromUtf8(text); }

void cell(QPainter& p, const QRect& r, const QString& text, const QColor& fill = Qt::white)
{
    p.fillRect(r, fill);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(r);
    p.drawText(r.adjusted(3, 1, -3, -1), Qt::AlignCenter | Qt::TextWordWrap, text);
}
}  // namespace

void paintDropReferenceTable(QPainter& p, const QRect& r)
{
    p.save();
    QFont f = p.font();
    f.setPointSizeF(std::max(6.5, f.pointSizeF() - 2));
    p.setFont(f);

    const int captionHeight = 16;
    p.setPen(Qt::black);
    p.drawText(QRect(r.x(), r.y(), r.width(), captionHeight), Qt::AlignLeft | Qt::AlignVCenter,
               qs(EntryForm::DropTableCaption));

    // Length column, then the two kinds of supply.
    const int top = r.y() + captionHeight + 2;
    const int w0 = r.width() * 30 / 100;
    const int w1 = (r.width() - w0) / 2;
    const int w2 = r.width() - w0 - w1 - 1;
    const int headHeight = 30;
    const int rows = 4;
    const int rowHeight = (r.bottom() - top - headHeight) / rows;
    const QColor head(0xe8, 0xee, 0xf8);

    int x0 = r.x(), x1 = x0 + w0, x2 = x1 + w1;
    cell(p, QRect(x0, top, w0, headHeight), u("最遠端負荷までのこう長"), head);
    cell(p, QRect(x1, top, w1, headHeight), u("電気使用場所内の変圧器から供給"), head);
    cell(p, QRect(x2, top, w2, headHeight), u("電気事業者から低圧で供給"), head);

    const char* table[rows][3] = {
        {"60m以下", "幹線 3％\n分岐回路 2％", "幹線 2％\n分岐回路 2％"},
        {"60m超過\n120m以下", "計 5％", "計 4％"},
        {"120m超過\n200m以下", "計 6％", "計 5％"},
        {"200m超過", "計 7％", "計 6％"},
    };
    for (int i = 0; i < rows; ++i) {
        int y = top + headHeight + i * rowHeight;
        cell(p, QRect(x0, y, w0, rowHeight), u(table[i][0]), head);
        cell(p, QRect(x1, y, w1, rowHeight), u(table[i][1]));
        cell(p, QRect(x2, y, w2, rowHeight), u(table[i][2]));
    }
    p.restore();
}

void paintBoard(QPainter& p, const QRect& r, const QString& caption)
{
    p.save();
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(0xf4, 0xf4, 0xf0));
    g.setColorAt(1, QColor(0xb8, 0xbc, 0xc4));
    p.setBrush(g);
    p.setPen(QPen(QColor(0x40, 0x40, 0x48), 1.5));
    p.drawRoundedRect(r, 3, 3);
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, caption);
    p.restore();
}

void paintBreaker(QPainter& p, const QRect& r)
{
    p.save();
    p.setBrush(QColor(0xff, 0xf8, 0xe0));
    p.setPen(QPen(Qt::black, 1.2));
    p.drawRect(r);
    p.drawLine(r.center().x(), r.top() + 3, r.center().x() + r.width() / 4, r.bottom() - 3);
    p.restore();
}

void paintBar(QPainter& p, const QRect& r, const QColor& colour)
{
    p.save();
    p.fillRect(r, colour);
    p.setPen(QPen(colour.darker(140), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    p.restore();
}

void paintTapRule(QPainter& p, const QRect& r)
{
    p.save();
    QFont f = p.font();
    f.setPointSizeF(std::max(6.5, f.pointSizeF() - 1.5));
    p.setFont(f);
    p.setPen(Qt::black);

    // The breaker of the thick trunk and the trunk along the top.
    const int x = r.x() + 6;
    p.drawText(QRect(x, r.y(), r.width() - 6, 14), Qt::AlignLeft | Qt::AlignVCenter,
               u("※太い幹線を保護する過電流遮断器"));
    QRect breaker(x, r.y() + 18, 20, 20);
    paintBreaker(p, breaker);
    p.setPen(Qt::black);
    p.drawText(QRect(x, breaker.bottom() + 2, 24, 14), Qt::AlignCenter, u("Ib"));
    const int trunkY = breaker.center().y();
    paintBar(p, QRect(breaker.right(), trunkY - 4, r.right() - breaker.right() - 4, 8), QColor(0x30, 0x50, 0xc0));
    p.setPen(Qt::black);
    p.drawText(QRect(breaker.right() + 6, trunkY + 6, 30, 14), Qt::AlignLeft, u("Iw"));

    // Three taps down from the trunk, each ending at its breaker.
    struct Tap {
        const char* rule;
        const char* limit;
        int length;
    };
    const Tap taps[] = {
        {"i≧Ib又はIw x 0.55", "長さ制限なし", 56},
        {"i≧Ib又はIw x 0.35", "長さ8m以下", 40},
        {"", "長さ3m以下", 22},
    };
    const int step = (r.width() - 60) / 3;
    for (int i = 0; i < 3; ++i) {
        int bx = r.x() + 60 + i * step;
        int bottom = trunkY + 4 + taps[i].length;
        paintBar(p, QRect(bx - 2, trunkY + 4, 5, taps[i].length), QColor(0x20, 0x90, 0x40));
        paintBreaker(p, QRect(bx - 8, bottom, 16, 16));
        p.setPen(Qt::black);
        int tx = bx + 12;
        if (*taps[i].rule) p.drawText(QRect(tx, trunkY + 8, step - 14, 14), Qt::AlignLeft, u(taps[i].rule));
        p.drawText(QRect(tx, trunkY + 24, step - 14, 14), Qt::AlignLeft, u(taps[i].limit));
    }
    p.restore();
}

void paintDwellingRun(QPainter& p, const QRect& r, bool twoSystems)
{
    p.save();
    const QColor trunk(0x30, 0x50, 0xc0), branch(0x20, 0x90, 0x40), second(0xd0, 0x60, 0x20);
    QRect board(r.x(), r.y() + 22, 60, 36);
    paintBoard(p, board, u("分電盤"));
    paintBreaker(p, QRect(board.right() + 4, board.center().y() - 8, 16, 16));
    const int y = board.center().y();
    const int x0 = board.right() + 20;
    const int x1 = r.right() - 80;
    paintBar(p, QRect(x0, y - 3, x1 - x0, 7), trunk);
    // Dwellings of the first system below the trunk.
    const int dwellings = 5;
    for (int i = 0; i < dwellings; ++i) {
        int bx = x0 + 30 + i * (x1 - x0 - 40) / dwellings;
        paintBar(p, QRect(bx - 2, y, 5, 20), branch);
        paintBoard(p, QRect(bx - 16, y + 20, 32, 18), u("住戸"));
    }
    if (twoSystems) {
        // The second system: up from the trunk, along, and down to its dwellings.
        const int top = r.y() + 4;
        paintBar(p, QRect(x0 + 8, top, 6, y - top - 3), second);
        paintBar(p, QRect(x0 + 8, top, x1 - x0 + 20, 6), second);
        paintBar(p, QRect(x1 + 24, top, 6, y - top), second);
        paintBoard(p, QRect(x1 + 34, y - 8, 32, 18), u("住戸"));
    }
    p.restore();
}

void paintRowPlace(QPainter& p, const QRect& r, int pat)
{
    p.save();
    const QColor other(0xb0, 0xb4, 0xbc), edited(0xe0, 0x30, 0x20);
    auto colour = [&](int kind) { return kind == pat ? edited : other; };
    QRect board(r.x() + 4, r.y() + 4, 56, 40);
    paintBoard(p, board, u("分電盤"));
    paintBreaker(p, QRect(board.right() + 2, board.center().y() - 8, 16, 16));
    // Head row: from the breaker along the top and down to the first branch point.
    const int trunkX = r.x() + 150;
    const int y0 = board.center().y();
    paintBar(p, QRect(board.right() + 18, y0 - 4, trunkX - board.right() - 18, 8), colour(4));
    paintBar(p, QRect(trunkX - 4, y0, 8, 30), colour(4));
    // Branch point, segment to the next branch point, then the next branch point.
    const int bp1 = y0 + 30, bp2 = r.bottom() - 30;
    p.setBrush(colour(3));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPoint(trunkX, bp1), 6, 6);
    paintBar(p, QRect(trunkX - 4, bp1 + 6, 8, bp2 - bp1 - 12), colour(2));
    p.setBrush(other);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPoint(trunkX, bp2), 6, 6);
    // A branch to a dwelling from each branch point.
    for (int y : {bp1, bp2}) {
        paintBar(p, QRect(trunkX + 6, y - 3, 90, 7), y == bp1 ? colour(1) : other);
        paintBoard(p, QRect(trunkX + 96, y - 12, 40, 24), u("住戸"));
    }
    p.restore();
}

void paintGrouping(QPainter& p, const QRect& r, int tiers, int perTier, int spacing, bool more)
{
    p.save();
    p.fillRect(r, Qt::white);
    p.setPen(QPen(Qt::gray, 1));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    tiers = std::clamp(tiers, 1, 3);
    perTier = std::clamp(perTier, 1, 7);
    spacing = std::clamp(spacing, 1, 3);

    // The diameter shrinks so that the widest spacing still fits.
    const int left = r.x() + 40;
    const int room = r.right() - 30 - left;
    const int d = std::min(22, room / std::max(1, (perTier - 1) * spacing + 1));
    const int pitch = d * spacing;
    const int bottom = r.bottom() - 40;
    for (int t = 0; t < tiers; ++t) {
        int cy = bottom - t * (d + 10);
        // The tier's support (a rack rung).
        p.setPen(QPen(QColor(0x80, 0x60, 0x30), 3));
        p.drawLine(left - 8, cy + d / 2 + 3, left + (perTier - 1) * pitch + d + 8, cy + d / 2 + 3);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(0x50, 0x50, 0x50));
        for (int c = 0; c < perTier; ++c) p.drawEllipse(QRect(left + c * pitch, cy - d / 2, d, d));
        p.setBrush(Qt::NoBrush);
        if (more) p.drawText(QPoint(left + (perTier - 1) * pitch + d + 12, cy + 5), u("…"));
        p.drawText(QRect(r.x() + 4, cy - 8, 30, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::number(t + 1) + u("段"));
    }
    // Dimension marks: the diameter d and the spacing S between centres.
    const int my = bottom + d / 2 + 16;
    p.setPen(QPen(Qt::black, 1));
    p.drawText(QRect(left, my - 8, d, 16), Qt::AlignCenter, u("d"));
    if (perTier > 1) {
        p.drawLine(left + d / 2, my - 10, left + d / 2 + pitch, my - 10);
        p.drawLine(left + d / 2, my - 14, left + d / 2, my - 6);
        p.drawLine(left + d / 2 + pitch, my - 14, left + d / 2 + pitch, my - 6);
        p.drawText(QRect(left + d / 2, my - 8, pitch, 16), Qt::AlignCenter, u("S"));
    }
    p.drawText(QRect(r.x() + 4, r.y() + 4, r.width() - 8, 16), Qt::AlignLeft,
               u("列 → ") + QString::number(perTier) + (more ? u("～") : QString()));
    p.restore();
}

}  // namespace tolvane::gui
