#include "sheet/judgement.h"

#include <optional>

#include "sheet/tap_rule.h"
#include "text/numbers.h"

namespace tolvane {

namespace {

// A drop or allowable-drop cell as a number; drops of 1,000 V or more carry
// thousands separators. Nothing when the cell is not a number.
std::optional<double> numberOf(const std::string& text)
{
    try {
        return parseGrouped(text);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

// "a > b" for two cells that both hold values.
bool exceeds(const Sheet& sheet, int bigger, int smaller, int row)
{
    const std::string& a = sheet.cell(bigger, row);
    const std::string& b = sheet.cell(smaller, row);
    if (!hasValue(a) || !hasValue(b)) return false;
    auto x = numberOf(a);
    auto y = numberOf(b);
    return x && y && *x > *y;
}

CellDrawing styleOf(int column)
{
    switch (column) {
    case 7:
    case 12:
        return {9, CellAlignment::Centre, false, {}};
    case 0:
    case 3:
    case 4:
    case 8:
    case 9:
    case 10:
    case 13:
    case 14:
    case 26:
        return {10, CellAlignment::Centre, false, {}};
    case 5:
        return {18, CellAlignment::Left, true, {}};
    case 6:
        return {10, CellAlignment::Right, false, {}};
    default:
        return {10, CellAlignment::Left, false, {}};
    }
}

bool judgementIs(const Sheet& sheet, int row, std::initializer_list<std::string_view> texts)
{
    const std::string& j = sheet.cell(col::Judgement, row);
    for (std::string_view t : texts)
        if (j == t) return true;
    return false;
}

}  // namespace

CellDrawing drawCell(Sheet& sheet, int column, int row)
{
    CellDrawing d = styleOf(column);
    const std::string& cell = sheet.cell(column, row);
    if (column == col::Length) {
        auto length = tryParseDecimal(cell);
        d.text = formatLengthDisplay(length ? *length : 0.0);
    } else {
        d.text = cell;
    }

    auto fail = [&](std::string_view text) {
        d.red = true;
        sheet.setCell(col::Judgement, row, std::string(text));
    };
    switch (column) {
    case col::Breaker:
        if (exceeds(sheet, col::MainDevice, col::Breaker, row)) fail(judgement::BreakerBelowMainDevice);
        break;
    case col::MainDevice:
        if (exceeds(sheet, col::Current, col::MainDevice, row)) fail(judgement::MainDeviceBelowCurrent);
        break;
    case col::Drop:
        if (exceeds(sheet, col::Drop, col::AllowableDrop, row)) fail(judgement::DropTooLarge);
        break;
    case col::DropSum:
        if (exceeds(sheet, col::DropSum, col::AllowableDrop, row)) fail(judgement::DropTooLarge);
        break;
    case col::Length:
        if (judgementIs(sheet, row, {judgement::FailureMark, tap::Band35Over8m, tap::ReducedOver8m}))
            d.red = true;
        break;
    case col::Cable:
        if (judgementIs(sheet, row, {judgement::FailureMark, tap::Below35})) d.red = true;
        break;
    case col::Judgement:
        if (sheet.cell(col::Judgement, row).starts_with(judgement::FailureMark)) d.red = true;
        break;
    default:
        break;
    }
    return d;
}

bool hasPageLine(int row) { return row >= 0 && row % kRowsPerPage == 0; }

void applyDrawingChecks(Sheet& sheet, int row)
{
    // Only these columns write a judgement; drawn in the grid's left-to-right
    // order so that the same check wins as on the screen.
    static constexpr int writingColumns[] = {col::Breaker, col::MainDevice, col::Drop, col::DropSum};
    for (int c : writingColumns) drawCell(sheet, c, row);
}

void applyDrawingChecks(Sheet& sheet)
{
    for (int r = 0; r < sheet.rowCount(); ++r) applyDrawingChecks(sheet, r);
}

}  // namespace tolvane
