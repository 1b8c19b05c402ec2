// What the printed document and the workbook share: the title block, the
// item-line texts, the last line of the document and the column headings.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/sheet.h"

namespace tolvane {

inline constexpr const char* kFormNumber = "(様式 電－８－１) ";
inline constexpr const char* kDocumentTitle = "電路計算書（幹線用）";
inline constexpr const char* kFormMark = "Ｈ２１";
inline constexpr const char* kFrequencyLabel = "周波数 [Hz]：";

// The title block as the main window holds it when an output starts; the
// main window fills it in (TForm1::titleBlock).
struct TitleBlock {
    std::string building;      // Edit1
    std::string eraDate;       // era form of the date (what the print shows)
    std::string date;          // the date in the window's current era display
    std::string frequency;     // "60", "50", or "" when neither is chosen
    bool pageNumbers = true;   // RadioButton5 "印刷する"
};

// Era form: era label + " " + era year + " 年 " + month + " 月 " + day + " 日".
std::string eraDateText(std::string_view era, std::string_view year, std::string_view month, std::string_view day);
// Western form: " " + western year + " 年 " + month + " 月 " + day + " 日".
std::string westernDateText(std::string_view year, std::string_view month, std::string_view day);

// Last row of the document: the highest row whose tree mark is neither empty
// nor a single blank; 0 when there is none.
int documentLastRow(const Sheet& sheet);

// Installation method as the document shows it: a cable rack gets a second
// line with its sub-method in parentheses.
std::vector<std::string> methodLines(const Sheet& sheet, int row);

// Workbook headings of the document columns B to S (sheet columns 1 to 18),
// line by line, top line first; the print places its heading lines itself.
struct ColumnHeading {
    int sheetColumn;
    std::vector<std::string_view> lines;
};
const std::array<ColumnHeading, 18>& columnHeadings();

// Lines joined with CR LF into one cell text.
std::string joinLines(const std::vector<std::string_view>& lines);
std::string joinLines(const std::vector<std::string>& lines);

}  // namespace tolvane
