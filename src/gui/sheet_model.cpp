#include "gui/sheet_model.h"

namespace tolvane::gui {

SheetModel::SheetModel(Sheet& sheet, QObject* parent) : QAbstractTableModel(parent), sheet_(sheet) {}

int SheetModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : sheet_.rowCount(); }

int SheetModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kSheetColumns; }

QVariant SheetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return QString::fromStdString(sheet_.cell(index.column(), index.row()));
}

void SheetModel::reload()
{
    beginResetModel();
    endResetModel();
}

}  // namespace tolvane::gui
