// The sheet of the main window as a Qt table model: 35 text columns, no
// headings (the header strip above the view carries the captions).
#pragma once

#include <QAbstractTableModel>

#include "sheet/sheet.h"

namespace tolvane::gui {

class SheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SheetModel(Sheet& sheet, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The core changed the sheet (cells or row count): show it again.
    void reload();
    Sheet& sheet() { return sheet_; }

private:
    Sheet& sheet_;
};

}  // namespace tolvane::gui
