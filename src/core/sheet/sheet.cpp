#include "sheet/sheet.h"

#include <algorithm>

namespace tolvane {

namespace {
const std::string kEmpty;
const SheetRow kEmptyRow{};

bool isEmpty(const SheetRow& row)
{
    return std::all_of(row.begin(), row.end(), [](const std::string& cell) { return cell.empty(); });
}
}  // namespace

Sheet::Sheet(int rows) : rowCount_(std::max(rows, 0)) {}

void Sheet::setRowCount(int rows)
{
    rowCount_ = std::max(rows, 0);
    if (rows_.size() > static_cast<std::size_t>(rowCount_)) rows_.resize(static_cast<std::size_t>(rowCount_));
}

const Sheet::SharedRow* Sheet::stored(int r) const
{
    if (r < 0 || static_cast<std::size_t>(r) >= rows_.size() || !rows_[static_cast<std::size_t>(r)]) return nullptr;
    return &rows_[static_cast<std::size_t>(r)];
}

const std::string& Sheet::cell(int column, int row) const
{
    if (column < 0 || column >= kSheetColumns) return kEmpty;
    const SharedRow* r = stored(row);
    return r ? (**r)[static_cast<std::size_t>(column)] : kEmpty;
}

SheetRow& Sheet::writableRow(int r)
{
    if (static_cast<std::size_t>(r) >= rows_.size()) rows_.resize(static_cast<std::size_t>(r) + 1);
    SharedRow& shared = rows_[static_cast<std::size_t>(r)];
    if (!shared)
        shared = std::make_shared<SheetRow>();
    else if (shared.use_count() > 1)
        shared = std::make_shared<SheetRow>(*shared);
    return *shared;
}

void Sheet::setCell(int column, int row, std::string text)
{
    if (column < 0 || column >= kSheetColumns || row < 0 || row >= rowCount()) return;
    // Writing what is there already leaves a shared row shared.
    if (cell(column, row) == text) return;
    writableRow(row)[static_cast<std::size_t>(column)] = std::move(text);
}

const SheetRow& Sheet::row(int r) const
{
    const SharedRow* stored = this->stored(r);
    return stored ? **stored : kEmptyRow;
}

void Sheet::setRow(int r, SheetRow cells)
{
    if (r < 0 || r >= rowCount()) return;
    if (isEmpty(cells)) return clearRow(r);
    if (static_cast<std::size_t>(r) >= rows_.size()) rows_.resize(static_cast<std::size_t>(r) + 1);
    rows_[static_cast<std::size_t>(r)] = std::make_shared<SheetRow>(std::move(cells));
}

void Sheet::clearRow(int r)
{
    if (r >= 0 && static_cast<std::size_t>(r) < rows_.size()) rows_[static_cast<std::size_t>(r)].reset();
}

void Sheet::clear() { rows_.clear(); }

void Sheet::insertRows(int at, int count)
{
    if (count <= 0) return;
    at = std::clamp(at, 0, rowCount());
    rowCount_ += count;
    if (static_cast<std::size_t>(at) < rows_.size())
        rows_.insert(rows_.begin() + at, static_cast<std::size_t>(count), SharedRow{});
}

int Sheet::lastUsedRow() const
{
    for (int r = static_cast<int>(rows_.size()) - 1; r >= 0; --r) {
        const SharedRow& row = rows_[static_cast<std::size_t>(r)];
        if (row && !(*row)[col::Mark].empty()) return r;
    }
    return 0;
}

bool Sheet::operator==(const Sheet& other) const
{
    if (rowCount() != other.rowCount()) return false;
    const std::size_t stored = std::max(rows_.size(), other.rows_.size());
    for (std::size_t r = 0; r < stored; ++r) {
        const SharedRow* mine = this->stored(static_cast<int>(r));
        const SharedRow* theirs = other.stored(static_cast<int>(r));
        if (mine && theirs && *mine == *theirs) continue;
        if (row(static_cast<int>(r)) != other.row(static_cast<int>(r))) return false;
    }
    return true;
}

}  // namespace tolvane
