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

std::optional<int> readCount(const std::vector<std::string_view>& lines, std::size_t index)
{
    if (index >= lines.size()) return std::nullopt;
    return tryParseWhole(lines[index]);
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
    sheet.setRowCount(last + kSavedBlankRows);

    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(last) + 9);
    lines.push_back(std::to_string(sheet.rowCount()));
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

    const std::optional<int> rowCount = readCount(lines, 0);
    if (!rowCount) return "1行目（行数）が数値ではありません";
    if (*rowCount < 0 || *rowCount > kMaxFileRows)
        return "1行目の行数 " + std::to_string(*rowCount) + " は扱えません（0～" + std::to_string(kMaxFileRows) + "）";
    const std::optional<int> last = readCount(lines, 1);
    if (!last) return "2行目（最終行）が数値ではありません";
    if (*last < 0 || *last >= kMaxFileRows)
        return "2行目の最終行 " + std::to_string(*last) + " は扱えません（0～" + std::to_string(kMaxFileRows - 1) + "）";

    // Two count lines, n + 1 rows, six title lines.
    const std::size_t rows = static_cast<std::size_t>(*last) + 1;
    const std::size_t needed = 2 + rows + 6;
    if (lines.size() < needed)
        return "ファイルが途中で終わっています（" + std::to_string(needed) + "行必要なところ" +
               std::to_string(lines.size()) + "行）";

    // A count smaller than the rows the file holds would drop rows; keep them.
    Sheet sheet(std::max({*rowCount, *last + 1, kStartRows}));
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
