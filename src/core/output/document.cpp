#include "output/document.h"

#include "text/numbers.h"

namespace tolvane {

std::string eraDateText(std::string_view era, std::string_view year, std::string_view month, std::string_view day)
{
    std::string text(era);
    text.append(" ").append(year).append(" 年 ").append(month).append(" 月 ").append(day).append(" 日");
    return text;
}

std::string westernDateText(std::string_view year, std::string_view month, std::string_view day)
{
    return eraDateText("", year, month, day);
}

int documentLastRow(const Sheet& sheet)
{
    for (int r = sheet.rowCount() - 1; r >= 0; --r)
        if (hasValue(sheet.cell(col::Mark, r))) return r;
    return 0;
}

std::vector<std::string> methodLines(const Sheet& sheet, int row)
{
    const std::string& method = sheet.cell(col::Method, row);
    if (method == "ｹｰﾌﾞﾙﾗｯｸ配線" || method == "[ｹｰﾌﾞﾙﾗｯｸ配線]")
        return {method, "(" + sheet.cell(col::SubMethod, row) + ")"};
    return {method};
}

const std::array<ColumnHeading, 18>& columnHeadings()
{
    static const std::array<ColumnHeading, 18> headings{{
        {1, {"幹線番号", "又は名称"}},
        {2, {"電気方式"}},
        {3, {"", "電圧", "", "", "[V]"}},
        {4, {"幹線保", "護用遮", "断器定", "格電流", "[A]"}},
        {5, {"系統"}},
        {6, {"", "こう長", "", "", "l [ｍ]"}},
        {7, {"負荷名称"}},
        {8, {"", "主幹器具", "定格電流", "", "[A]"}},
        {9, {"", "設計負荷", "電流", "", "I [A]"}},
        {10, {"", "負荷の", "力率", "", "cosθ"}},
        {11, {"種別及び", "断面積", "", "A [mm2]"}},
        {12, {"配線方式"}},
        {13, {"許容", "電流", "", "[A]"}},
        {14, {"電線1kmあ", "たりのｲﾝ", "ﾋﾟｰﾀﾞﾝｽ", "Z [Ω/km]"}},
        {15, {"単一配線", "の", "電圧降下"}},
        {16, {"分岐があ", "る場合の", "合計"}},
        {17, {"", "許容電", "圧降下", "", "[V]"}},
        {18, {"備考"}},
    }};
    return headings;
}

std::string joinLines(const std::vector<std::string_view>& lines)
{
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += "\r\n";
        out += lines[i];
    }
    return out;
}

std::string joinLines(const std::vector<std::string>& lines)
{
    return joinLines(std::vector<std::string_view>(lines.begin(), lines.end()));
}

}  // namespace tolvane
