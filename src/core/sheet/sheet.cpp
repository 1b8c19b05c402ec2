#include "sheet/sheet.h"

#include <algorithm>

namespace tolvane {

namespace {
const std::string kEmpty;
const SheetRow kEmptyRow{};
}  // namespace

Sheet::Sheet(int rows) : rows_(static_cast<std::size_t>(std::max(rows, 0))) {}

void Sheet::setRowCount(int rows) { rows_.resize(static_cast<std::size_t>(std::max(rows, 0))); }

const std::string& Sheet::cell(int column, int row) const
{
    if (column < 0 || column >= kSheetColumns || row < 0 || row >= rowCount()) return kEmpty;
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void Sheet::setCell(int column, int row, std::string text)
{
    if (column < 0 || column >= kSheetColumns || row < 0 || row >= rowCount()) return;
    rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = std::move(text);
}

const SheetRow& Sheet::row(int r) const
{
    if (r < 0 || r >= rowCount()) return kEmptyRow;
    return rows_[static_cast<std::size_t>(r)];
}

void Sheet::setRow(int r, SheetRow cells)
{
    if (r < 0 || r >= rowCount()) return;
    rows_[static_cast<std::size_t>(r)] = std::move(cells);
}

void Sheet::clearRow(int r) { setRow(r, SheetRow{}); }

void Sheet::clear()
{
    for (auto& r : rows_) r = SheetRow{};
}

void Sheet::insertRows(int at, int count)
{
    if (count <= 0) return;
    at = std::clamp(at, 0, rowCount());
    rows_.insert(rows_.begin() + at, static_cast<std::size_t>(count), SheetRow{});
}

int Sheet::lastUsedRow() const
{
    for (int r = rowCount() - 1; r >= 0; --r)
        if (!rows_[static_cast<std::size_t>(r)][col::Mark].empty()) return r;
    return 0;
}

}  // namespace tolvane
