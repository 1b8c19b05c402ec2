// Draws every cell of the sheet as the program's own drawing rules say:
// font size, alignment, red failures, the length format, the page lines
// every 18 rows; the checks made while drawing write their judgements into
// the sheet.
#pragma once

#include <QStyledItemDelegate>

namespace tolvane {
class Sheet;
}

namespace tolvane::gui {

class SheetDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    SheetDelegate(Sheet& sheet, QObject* parent = nullptr);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    Sheet& sheet_;
};

}  // namespace tolvane::gui
