#include "output/page_record.h"

#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "sheet/feeders.h"

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
    // Each head row with its feeder's rows, taken from the rows themselves so
    // that a damaged count cannot make a few rows fill thousands of pages. A
    // count that is no whole number still stops the record at its head row.
    const FeederEnds ends(sheet);
    std::vector<std::pair<int, int>> heads;  // head row, rows of its feeder
    for (int r = 0; r < sheet.rowCount(); ++r) {
        if (!isHeadRow(sheet, r)) continue;
        parseWhole(sheet.cell(col::RowTotal, r));
        const int n = ends.rowsFrom(r, sheet.cell(col::No, r));
        sheet.setCell(col::Pages, r, std::to_string(feederPageCount(n)));
        heads.emplace_back(r, n);
    }
    PageRecord record;
    const std::int64_t maxRow =
        heads.empty() ? previousMaxRow : static_cast<std::int64_t>(heads.back().first) + heads.back().second - 1;
    record.maxrowsu = static_cast<std::int32_t>(maxRow);

    std::int64_t pages = 1;
    int k = 0;
    const std::int64_t lastOnSheet = std::min<std::int64_t>(maxRow, sheet.rowCount() - 1);
    auto head = heads.begin();
    std::int64_t r = 0;
    for (; r <= lastOnSheet; ++r) {
        const int row = static_cast<int>(r);
        if (head != heads.end() && head->first == row) {
            if (k >= 1 && head->second + k > kRowsPerPage) {
                ++pages;
                k = 0;
            }
            ++head;
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
