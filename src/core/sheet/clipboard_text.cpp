#include "sheet/clipboard_text.h"

#include "sheet/feeders.h"

namespace tolvane {

namespace {

constexpr const char* kHeadings[] = {
    "幹線番号又は名称",   "電気方式",         "電圧[V]",          "幹線保護用遮断器定格電流[A]",
    "系統",               "こう長",           "負荷名称",         "主幹器具定格電流[A]",
    "設計負荷電流[A]",    "負荷の力率[cosθ]", "種別及び断面積[m㎡]", "配線方式",
    "許容電流[A]",        "ｲﾝﾋﾟｰﾀﾞﾝｽ[Ω/km]",  "単一の電圧降下[V]", "分岐がある場合の合計",
    "許容電圧降下[V]",
};

}  // namespace

std::string clipboardTextOfRows(const Sheet& sheet, int first, int last)
{
    std::string text;
    for (int r = first; r <= last; ++r) {
        for (int c = col::Name; c <= col::AllowableDrop; ++c) {
            if (c > col::Name) text += '\t';
            if (c == col::Mark) text += ' ';
            text += sheet.cell(c, r);
        }
        text += "\r\n";
    }
    return text;
}

std::string clipboardTextOfFeeder(const Sheet& sheet, int row)
{
    const FeederRange range = findFeederRange(sheet, row);
    return clipboardTextOfRows(sheet, range.s1, range.e1);
}

std::string clipboardTextOfSheet(const Sheet& sheet)
{
    std::string text;
    for (const char* heading : kHeadings) {
        text += heading;
        text += '\t';
    }
    text += "\r\n";
    return text + clipboardTextOfRows(sheet, 0, sheet.lastUsedRow());
}

}  // namespace tolvane
