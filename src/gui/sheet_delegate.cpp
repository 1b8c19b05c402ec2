#include "gui/sheet_delegate.h"

#include <QFontMetrics>
#include <QPainter>

#include "gui/print/fonts.h"

#include "sheet/judgement.h"
#include "sheet/sheet.h"

namespace tolvane::gui {

namespace {
const QColor kNavy(0, 0, 128);
}

SheetDelegate::SheetDelegate(Sheet& sheet, QObject* parent) : QStyledItemDelegate(parent), sheet_(sheet) {}

void SheetDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const int column = index.column();
    const int row = index.row();
    // The judgement cell shows what drawing its row writes, also when it is
    // repainted alone.
    if (column == col::Judgement) applyDrawingChecks(sheet_, row);
    CellDrawing drawing = drawCell(sheet_, column, row);

    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->fillRect(option.rect, selected ? option.palette.highlight() : QBrush(Qt::white));

    const QFont font = print::minchoFont(drawing.fontSize, true);
    painter->setFont(font);
    QColor textColour = selected ? option.palette.highlightedText().color() : kNavy;
    if (drawing.red) textColour = Qt::red;
    painter->setPen(textColour);

    QRect textRect = option.rect.adjusted(kCellTextInset, 0, -kCellTextInset, 0);
    Qt::Alignment align = Qt::AlignVCenter;
    switch (drawing.alignment) {
    case CellAlignment::Left: align |= Qt::AlignLeft; break;
    case CellAlignment::Centre: align |= Qt::AlignHCenter; break;
    case CellAlignment::Right: align |= Qt::AlignRight; break;
    }
    // A text wider than its cell ends in "…"; the judgement cell shows the
    // whole text as its tooltip.
    const QString text = QFontMetrics(font, painter->device())
                             .elidedText(QString::fromStdString(drawing.text), Qt::ElideRight, textRect.width());
    painter->drawText(textRect, align | Qt::TextSingleLine, text);

    if (hasPageLine(row)) {
        QPen pen(QColor(kPageLineColour.red, kPageLineColour.green, kPageLineColour.blue));
        pen.setWidth(kPageLineWidth);
        painter->setPen(pen);
        int y = option.rect.top() + kPageLineWidth / 2;
        painter->drawLine(option.rect.left(), y, option.rect.right() + 1, y);
    }
    painter->restore();
}

}  // namespace tolvane::gui
