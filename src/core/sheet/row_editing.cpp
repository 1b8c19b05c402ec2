#include "sheet/row_editing.h"

#include <algorithm>

namespace tolvane {

int rowsToInsert(const Sheet& sheet, int ny1, int uy1)
{
    const int top = std::min(ny1, uy1);
    const int bottom = std::max(ny1, uy1);
    int n = bottom - top;
    if (!sheet.cell(col::No, top).empty() && top != bottom) ++n;
    return n <= 0 ? 1 : n;
}

void insertRowsAtSelection(Sheet& sheet, int ny1, int uy1)
{
    sheet.insertRows(std::min(ny1, uy1), rowsToInsert(sheet, ny1, uy1));
}

void deleteRows(Sheet& sheet, int first, int last)
{
    first = std::max(first, 0);
    last = std::min(last, sheet.rowCount() - 1);
    if (last < first) return;
    const int gap = last - first + 1;
    for (int r = first; r <= last; ++r) sheet.clearRow(r);
    for (int source = last + 1; source < sheet.rowCount(); ++source) {
        sheet.setRow(source - gap, sheet.row(source));
        sheet.clearRow(source);
    }
}

Sheet copyFeeder(const Sheet& sheet, FeederRange range)
{
    const int count = std::max(range.e1 - range.s1 + 1, 0);
    Sheet buffer(count);
    for (int i = 0; i < count; ++i) buffer.setRow(i, sheet.row(range.s1 + i));
    return buffer;
}

void pasteFeeder(Sheet& sheet, const Sheet& buffer, int at)
{
    const int count = buffer.rowCount();
    if (count == 0) return;
    at = std::clamp(at, 0, sheet.rowCount());
    sheet.insertRows(at, count);
    for (int i = 0; i < count; ++i) sheet.setRow(at + i, buffer.row(i));
    sheet.setRowCount(sheet.rowCount() + count);
}

}  // namespace tolvane
