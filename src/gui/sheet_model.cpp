#include "gui/sheet_model.h"

#include "sheet/judgement.h"

namespace tolvane::gui {

SheetModel::SheetModel(Sheet& sheet, QObject* parent) : QAbstractTableModel(parent), sheet_(sheet) {}

int SheetModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : sheet_.rowCount(); }

int SheetModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kSheetColumns; }

QVariant SheetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return QString::fromStdString(sheet_.cell(index.column(), index.row()));
    // The judgement, whole, where its column may be too narrow for it.
    if (role == Qt::ToolTipRole && index.column() == col::Judgement) {
        const std::string text = drawCell(sheet_, col::Judgement, index.row()).text;
        if (!text.empty()) return QString::fromStdString(text);
    }
    return {};
}

void SheetModel::reload()
{
    beginResetModel();
    endResetModel();
}

}  // namespace tolvane::gui
