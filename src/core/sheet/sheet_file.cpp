#include "sheet/sheet_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
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

namespace {

// Names of the sheet's visible columns, as the header strip captions them.
const char* columnName(int column)
{
    static const char* const kNames[] = {
        "No.",      "幹線番号又は名称", "電気方式",     "電圧",     "幹線保護用遮断器定格電流", "系統",
        "こう長",   "負荷名称",         "主幹器具定格電流", "設計負荷電流", "負荷の力率",             "種別及び断面積",
        "配線方式", "許容電流",         "ｲﾝﾋﾟｰﾀﾞﾝｽ",   "単一配線の電圧降下", "分岐がある場合の合計", "許容電圧降下",
        "備考",
    };
    if (column >= 0 && column < static_cast<int>(std::size(kNames))) return kNames[column];
    if (column == col::Judgement) return "判定";
    return nullptr;
}

const char* const kTitleLineNames[] = {"周波数", "年", "月", "日", "建物名称", "年号", "設定画面の年号", "電源条件"};

void addLost(std::vector<LostCharacter>& lost, LostCharacter entry)
{
    if (std::find(lost.begin(), lost.end(), entry) == lost.end()) lost.push_back(std::move(entry));
}

// The cells of a written row that hold `character`. The carrier cells stand
// for the title block's era names.
void attributeToCells(const SheetRow& row, int r, const std::string& character, std::vector<LostCharacter>& lost)
{
    for (int c = 0; c < kSheetColumns; ++c) {
        if (row[static_cast<std::size_t>(c)].find(character) == std::string::npos) continue;
        if (c == col::Carrier)
            addLost(lost, {LostCharacter::kTitleLine, LostCharacter::kSettingsEraLine, character});
        else if (c == col::Pages && r == 0)
            addLost(lost, {LostCharacter::kTitleLine, 5, character});
        else
            addLost(lost, {r, c, character});
    }
}

// "▶" is written as "?" wherever it is; only the tree marks of column 5 read
// back as they were.
void findLostTriangles(const SheetRow& row, int r, std::vector<LostCharacter>& lost)
{
    constexpr std::string_view triangle = "▶";
    for (int c = 0; c < kSheetColumns; ++c) {
        const std::string& cell = row[static_cast<std::size_t>(c)];
        if (cell.find(triangle) == std::string::npos) continue;
        if (c == col::Mark) {
            std::string stored = cell;
            for (std::size_t at; (at = stored.find(triangle)) != std::string::npos;) stored.replace(at, triangle.size(), "?");
            if (repairTreeMark(stored) == cell) continue;
        }
        addLost(lost, {r, c, std::string(triangle)});
    }
}

// "U+20BB7": the character's code point.
std::string codePointName(std::string_view utf8)
{
    if (utf8.empty()) return "U+?";
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || length > utf8.size()) return "U+?";
    static constexpr unsigned char kLeadMasks[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    std::uint32_t code = lead & kLeadMasks[length];
    for (std::size_t i = 1; i < length; ++i) code = (code << 6) | (byte(i) & 0x3F);
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(code));
    return text;
}

}  // namespace

std::string lostCharacterName(std::string_view character)
{
    return "「" + std::string(character) + "」(" + codePointName(character) + ")";
}

std::string lostCharacterPlace(const LostCharacter& lost)
{
    if (lost.row == LostCharacter::kTitleLine) {
        if (lost.column >= 0 && lost.column < static_cast<int>(std::size(kTitleLineNames)))
            return kTitleLineNames[lost.column];
        return "表題";
    }
    std::string place = std::to_string(lost.row + 1) + "行目 ";
    if (const char* name = columnName(lost.column))
        place += name;
    else
        place += std::to_string(lost.column + 1) + "列目";
    return place;
}

std::string lostCharactersText(const std::vector<LostCharacter>& lost, std::size_t maxLines)
{
    std::string text;
    const std::size_t shown = std::min(lost.size(), maxLines);
    for (std::size_t i = 0; i < shown; ++i) text += "・" + lostCharacterPlace(lost[i]) + "：" + lostCharacterName(lost[i].character) + "\n";
    if (lost.size() > shown) text += "ほか " + std::to_string(lost.size() - shown) + " 箇所\n";
    return text;
}

std::string writeSheetFile(Sheet& sheet, const SheetFileCarriers& carriers, const SheetFileTitle& title,
                           std::span<const std::string> extraLines, std::vector<LostCharacter>* lost)
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
    for (int r = 0; r <= last; ++r) {
        lines.push_back(encodeCommaText(sheet.row(r)));
        if (lost && lines.back().find("▶") != std::string::npos) findLostTriangles(sheet.row(r), r, *lost);
    }
    sheet.setCell(col::Carrier, 0, "");
    sheet.setCell(col::Pages, 0, "");

    lines.push_back(title.frequency);
    lines.push_back(title.year);
    lines.push_back(title.month);
    lines.push_back(title.day);
    lines.push_back(title.building);
    lines.push_back(title.eraLabel);
    lines.insert(lines.end(), extraLines.begin(), extraLines.end());
    if (!lost) return writeTextLines(lines);

    std::vector<UnheldCharacter> unheld;
    std::string bytes = writeTextLines(lines, &unheld);
    const std::size_t firstTitleLine = static_cast<std::size_t>(last) + 3;
    for (const UnheldCharacter& u : unheld) {
        if (u.line >= firstTitleLine + 6) {
            addLost(*lost, {LostCharacter::kTitleLine, LostCharacter::kExtraLines, u.character});
        } else if (u.line >= firstTitleLine) {
            addLost(*lost, {LostCharacter::kTitleLine, static_cast<int>(u.line - firstTitleLine), u.character});
        } else if (u.line >= 2) {
            // The row as written, carriers included: decoded from its line.
            const int r = static_cast<int>(u.line - 2);
            attributeToCells(decodeCommaText(lines[u.line]), r, u.character, *lost);
        }
    }
    std::stable_sort(lost->begin(), lost->end(), [](const LostCharacter& a, const LostCharacter& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    return bytes;
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
