// A grid of text cells addressed by (column, row), as the cable window's
// catalogue grid and impedance grid hold their tables. Reading outside the
// grid yields ""; writing there does nothing.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

class TextGrid {
public:
    TextGrid(int columns, int rows);

    int colCount() const { return columns_; }
    int rowCount() const { return static_cast<int>(cells_.size()); }
    // Grows with empty rows or cuts rows off the end.
    void setRowCount(int rows);

    const std::string& cell(int column, int row) const;
    void setCell(int column, int row, std::string text);
    void clearRow(int row);

    bool operator==(const TextGrid&) const = default;

private:
    int columns_;
    std::vector<std::vector<std::string>> cells_;
};

}  // namespace tolvane
