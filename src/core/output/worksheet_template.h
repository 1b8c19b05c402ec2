// One worksheet of the calculation document as cells: texts, formats,
// merges, column widths, row heights and page set-up of the A1:S51 page.
// Every worksheet of a workbook starts as this template; the item lines are
// filled into its merged pairs of rows 9 to 44.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "output/document.h"
#include "sheet/sheet.h"

namespace tolvane {

inline constexpr int kTemplateRows = 51;     // rows 1 to 51
inline constexpr int kTemplateColumns = 19;  // columns A to S
inline constexpr int kFirstItemRow = 9;      // worksheet row of item line 1
inline constexpr const char* kWorkbookFont = "ＭＳ 明朝";

enum class Border : std::uint8_t { None, Hair, Thin, Medium };
enum class HAlign : std::uint8_t { General, Center, Right, Justify };

struct CellFormat {
    bool font = false;  // the document font (B1:S51)
    int size = 0;       // points; 0 keeps the workbook's default
    bool underline = false;
    HAlign horizontal = HAlign::General;
    bool vcenter = false;
    bool shrink = false;
    bool wrap = false;
    Border top = Border::None, bottom = Border::None, left = Border::None, right = Border::None;
    bool operator==(const CellFormat&) const = default;
};

struct CellRange {
    int firstRow, firstColumn, lastRow, lastColumn;  // worksheet rows and columns from 1 (A = 1)
};

// How an item line is formatted: the per-item export of a long sheet (large),
// of a sheet of at most 18 lines (small), and the 18-row export.
enum class ItemVariant { Large, Small, Rows18 };

class WorksheetTemplate {
public:
    // Row and column from 1 (A1 = 1, 1).
    CellFormat& format(int row, int column) { return formats_[index(row, column)]; }
    const CellFormat& format(int row, int column) const { return formats_[index(row, column)]; }
    std::string& text(int row, int column) { return texts_[index(row, column)]; }
    const std::string& text(int row, int column) const { return texts_[index(row, column)]; }
    const std::vector<CellRange>& merges() const { return merges_; }
    void merge(CellRange range) { merges_.push_back(range); }

private:
    static std::size_t index(int row, int column)
    {
        return static_cast<std::size_t>((row - 1) * kTemplateColumns + (column - 1));
    }
    std::array<CellFormat, kTemplateRows * kTemplateColumns> formats_{};
    std::array<std::string, kTemplateRows * kTemplateColumns> texts_{};
    std::vector<CellRange> merges_;
};

// Column widths A to S in character units, and row heights 1 to 51 in points.
const std::array<double, kTemplateColumns>& templateColumnWidths();
const std::array<double, kTemplateRows>& templateRowHeights();

// The page template with the title block of `title` (building name, the date
// in the window's display, frequency). `step` is called twelve times as the
// template grows.
WorksheetTemplate buildTemplate(const TitleBlock& title, const std::function<void()>& step = {});

// Writes item line `row` of the sheet into the merged pair at worksheet row x.
void fillItemLine(WorksheetTemplate& page, const Sheet& sheet, int row, int x, ItemVariant variant);

}  // namespace tolvane
