#include "output/page_record.h"

#include <algorithm>
#include <limits>

#include "text/numbers.h"

namespace tolvane {

namespace {

bool isHeadRow(const Sheet& sheet, int r)
{
    return !sheet.cell(col::No, r).empty() && !sheet.cell(col::RowTotal, r).empty();
}

}  // namespace

int feederPageCount(int rows)
{
    return static_cast<int>(roundHalfEven(rows / static_cast<double>(kRowsPerPage) + 0.5));
}

std::vector<int> rowCountFaults(const Sheet& sheet)
{
    std::vector<int> rows;
    for (int r = 0; r < sheet.rowCount(); ++r)
        if (isHeadRow(sheet, r) && !tryParseWhole(sheet.cell(col::RowTotal, r))) rows.push_back(r);
    return rows;
}

PageRecord recordPages(Sheet& sheet, std::int32_t previousMaxRow)
{
    PageRecord record;
    std::int64_t maxRow = previousMaxRow;
    for (int r = 0; r < sheet.rowCount(); ++r) {
        if (!isHeadRow(sheet, r)) continue;
        std::int32_t n = parseWhole(sheet.cell(col::RowTotal, r));
        sheet.setCell(col::Pages, r, std::to_string(feederPageCount(n)));
        maxRow = static_cast<std::int64_t>(r) + n - 1;
    }
    // A damaged row count must not overflow the 32-bit field.
    maxRow = std::clamp<std::int64_t>(maxRow, std::numeric_limits<std::int32_t>::min(),
                                      std::numeric_limits<std::int32_t>::max());
    record.maxrowsu = static_cast<std::int32_t>(maxRow);

    std::int64_t pages = 1;
    int k = 0;
    const std::int64_t lastOnSheet = std::min<std::int64_t>(maxRow, sheet.rowCount() - 1);
    std::int64_t r = 0;
    for (; r <= lastOnSheet; ++r) {
        const int row = static_cast<int>(r);
        if (isHeadRow(sheet, row) && k >= 1) {
            std::int32_t n = parseWhole(sheet.cell(col::RowTotal, row));
            if (static_cast<std::int64_t>(n) + k > kRowsPerPage) {
                ++pages;
                k = 0;
            }
        }
        ++k;
        if (k > kRowsPerPage) {
            ++pages;
            k = 1;
        }
        sheet.setCell(col::LineNo, row, std::to_string(k));
    }
    // Rows past the end of the sheet are empty lines: they fill pages without
    // being written, so count them instead of walking them one by one.
    if (r <= maxRow) {
        std::int64_t remaining = maxRow - r + 1;
        if (k == 0) {
            k = 1;
            --remaining;
        }
        pages += (k - 1 + remaining) / kRowsPerPage - (k - 1) / kRowsPerPage;
    }
    record.pagesu = static_cast<std::int32_t>(std::min<std::int64_t>(pages, std::numeric_limits<std::int32_t>::max()));
    return record;
}

}  // namespace tolvane
