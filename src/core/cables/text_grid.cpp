#include "cables/text_grid.h"

#include <algorithm>

namespace tolvane {

TextGrid::TextGrid(int columns, int rows)
    : columns_(std::max(columns, 0)), cells_(std::max(rows, 0), std::vector<std::string>(columns_))
{
}

void TextGrid::setRowCount(int rows) { cells_.resize(std::max(rows, 0), std::vector<std::string>(columns_)); }

const std::string& TextGrid::cell(int column, int row) const
{
    static const std::string kEmpty;
    if (row < 0 || row >= rowCount() || column < 0 || column >= columns_) return kEmpty;
    return cells_[row][column];
}

void TextGrid::setCell(int column, int row, std::string text)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columns_) return;
    cells_[row][column] = std::move(text);
}

void TextGrid::clearRow(int row)
{
    if (row < 0 || row >= rowCount()) return;
    for (auto& c : cells_[row]) c.clear();
}

}  // namespace tolvane
