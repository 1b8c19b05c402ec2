#include "sheet/sheet_file.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "sheet/comma_text.h"
#include "sheet/text_lines.h"
#include "sheet/tree_marks.h"
#include "text/numbers.h"

namespace tolvane {

namespace {

// The tree marks holding "▶", as they read back from a CP932 file.
const std::pair<std::string_view, std::string_view> kStoredMarks[] = {
    {"──?", mark::Single}, {"-─?┌", mark::Head},  {"├─?", mark::Branch},
    {"└─?", mark::Last},   {"│├?", mark::Branch1}, {"│└?", mark::Last1},
};

// A count line: its value, or why it has none. A whole number too large for
// the program ("2147483648", twenty digits) is out of range, not "no number".
struct CountLine {
    std::optional<int> value;
    bool digits = false;  // a whole number, whether or not it fits
    std::string_view text;
};

CountLine readCount(const std::vector<std::string_view>& lines, std::size_t index)
{
    if (index >= lines.size()) return {};
    CountLine count{tryParseWhole(lines[index]), false, lines[index]};
    std::string_view digits = count.text;
    while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
    while (!digits.empty() && digits.back() == ' ') digits.remove_suffix(1);
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.remove_prefix(1);
    count.digits = count.value || (!digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos);
    return count;
}

// The text that shows a count out of range.
std::string countText(const CountLine& count)
{
    return count.value ? std::to_string(*count.value) : std::string(count.text);
}

}  // namespace

std::string repairTreeMark(std::string text)
{
    for (const auto& [stored, shown] : kStoredMarks)
        if (text == stored) return std::string(shown);
    return text;
}

std::string writeSheetFile(Sheet& sheet, const SheetFileCarriers& carriers, const SheetFileTitle& title,
                           std::span<const std::string> extraLines)
{
    const int last = sheet.lastUsedRow();
    const int count = last + kSavedBlankRows;
    sheet.setRowCount(std::min(count, kMaxSheetRows));

    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(last) + 9);
    lines.push_back(std::to_string(count));
    lines.push_back(std::to_string(last));

    sheet.setCell(col::Pages, 0, carriers.eraLabel);
    sheet.setCell(col::Carrier, 0, carriers.eraDisplay);
    sheet.setCell(col::Carrier, 1, carriers.pageNumbers);
    sheet.setCell(col::Carrier, 2, carriers.settingsEraName);
    for (int r = 0; r <= last; ++r) lines.push_back(encodeCommaText(sheet.row(r)));
    sheet.setCell(col::Carrier, 0, "");
    sheet.setCell(col::Pages, 0, "");

    lines.push_back(title.frequency);
    lines.push_back(title.year);
    lines.push_back(title.month);
    lines.push_back(title.day);
    lines.push_back(title.building);
    lines.push_back(title.eraLabel);
    lines.insert(lines.end(), extraLines.begin(), extraLines.end());
    return writeTextLines(lines);
}

std::optional<std::string> readSheetFile(std::string_view bytes, SheetFileContent& content)
{
    TextLines file;
    readTextLines(bytes, file);
    const std::vector<std::string_view>& lines = file.lines;

    const CountLine rowCountLine = readCount(lines, 0);
    if (!rowCountLine.digits) return "1行目（行数）が数値ではありません";
    const std::optional<int> rowCount = rowCountLine.value;
    if (!rowCount || *rowCount < 0 || *rowCount > kMaxFileRowCount)
        return "1行目の行数 " + countText(rowCountLine) + " は扱えません（0～" + std::to_string(kMaxFileRowCount) + "）";
    const CountLine lastLine = readCount(lines, 1);
    if (!lastLine.digits) return "2行目（最終行）が数値ではありません";
    const std::optional<int> last = lastLine.value;
    if (!last || *last < 0 || *last > kMaxFileLastRow)
        return "2行目の最終行 " + countText(lastLine) + " は扱えません（0～" + std::to_string(kMaxFileLastRow) + "）";

    // Two count lines, n + 1 rows, six title lines.
    const std::size_t rows = static_cast<std::size_t>(*last) + 1;
    const std::size_t needed = 2 + rows + 6;
    if (lines.size() < needed)
        return "ファイルが途中で終わっています（" + std::to_string(needed) + "行必要なところ" +
               std::to_string(lines.size()) + "行）";

    // A count smaller than the rows the file holds would drop rows; keep them.
    // A count above the largest sheet only adds empty rows below the last one.
    Sheet sheet(std::min(std::max({*rowCount, *last + 1, kStartRows}), kMaxSheetRows));
    for (std::size_t r = 0; r < rows; ++r) {
        SheetRow row = decodeCommaText(lines[2 + r]);
        for (auto& cell : row)
            if (cell.size() == 1 && cell[0] == ' ') cell.clear();
        row[col::Mark] = repairTreeMark(std::move(row[col::Mark]));
        sheet.setRow(static_cast<int>(r), std::move(row));
    }

    std::size_t t = 2 + rows;
    content.title.frequency = lines[t++];
    content.title.year = lines[t++];
    content.title.month = lines[t++];
    content.title.day = lines[t++];
    content.title.building = lines[t++];
    content.title.eraLabel = lines[t++];
    content.extraFirstLine = static_cast<int>(t) + 1;
    content.extraLines.assign(lines.begin() + static_cast<std::ptrdiff_t>(t), lines.end());
    content.sheet = std::move(sheet);
    return std::nullopt;
}

}  // namespace tolvane
