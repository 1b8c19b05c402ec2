#include "sheet/feeders.h"

#include "text/numbers.h"

namespace tolvane {

void renumberFeeders(Sheet& sheet)
{
    int next = 1;
    int current = 0;
    for (int r = 0; r < sheet.storedRows(); ++r) {
        if (hasValue(sheet.cell(col::No, r))) {
            sheet.setCell(col::No, r, std::to_string(next));
            current = next;
            ++next;
        }
        if (hasValue(sheet.cell(col::Mark, r))) sheet.setCell(col::FeederNo, r, std::to_string(current));
    }
}

FeederRange findFeederRange(const Sheet& sheet, int row)
{
    FeederRange range;
    const std::string number = sheet.cell(col::FeederNo, row);
    bool found = false;
    for (int r = 0; r < sheet.rowCount(); ++r) {
        if (!found && sheet.cell(col::No, r) == number) {
            range.s1 = r;
            found = true;
        }
        if (sheet.cell(col::FeederNo, r) == number) range.e1 = r;
    }
    return range;
}

FeederEnds::FeederEnds(const Sheet& sheet)
{
    for (int r = 0; r < sheet.storedRows(); ++r)
        if (const std::string& number = sheet.cell(col::FeederNo, r); !number.empty()) last_[number] = r;
}

int FeederEnds::rowsFrom(int head, const std::string& number) const
{
    auto it = last_.find(number);
    return it == last_.end() || it->second < head ? 1 : it->second - head + 1;
}

int feederHeadRow(const Sheet& sheet, int row)
{
    const std::string& number = sheet.cell(col::FeederNo, row);
    if (number.empty()) return row;
    int head = row;
    while (head > 0 && sheet.cell(col::FeederNo, head - 1) == number) --head;
    return head;
}

int topRowShowingFeeder(const Sheet& sheet, int row, int visibleRows)
{
    const int head = feederHeadRow(sheet, row);
    return row - head < visibleRows ? head : row;
}

}  // namespace tolvane
