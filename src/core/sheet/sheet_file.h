// The sheet file "*.ksk": the sheet's rows as comma text, then the title
// block. Window settings travel in hidden cells of rows 0 to 2 (the settings
// carrier cells) while the file is written and read.
//
//   line 1        RowCount (last used row + 20)
//   line 2        n, the last used row
//   lines 3..n+3  rows 0..n as comma text
//   then          frequency ("60", "50" or "0"), year, month, day,
//                 building name, era label
//   then          any further lines (the short-circuit supply block), which
//                 a reader of the rows and title passes over
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/sheet.h"

namespace tolvane {

// The six title lines after the rows.
struct SheetFileTitle {
    std::string frequency;  // "60", "50", "0"
    std::string year;       // year within the era, "元" for 1
    std::string month;
    std::string day;
    std::string building;
    std::string eraLabel;
};

// The settings carried in the hidden cells (30,0) and (34,0..2).
struct SheetFileCarriers {
    std::string eraLabel;         // (30,0)
    std::string eraDisplay;       // (34,0): "3" 和暦, "4" 西暦
    std::string pageNumbers;      // (34,1): "5" printed, "6" not
    std::string settingsEraName;  // (34,2)
};

// Blank rows a saved sheet keeps below its last used row.
inline constexpr int kSavedBlankRows = 20;
// The file of the largest sheet: its last used row is the sheet's last row
// and its count line that row plus the blank rows. Every sheet saves into
// these bounds and the loader takes exactly these, so every file the program
// writes loads again; the loaded sheet keeps at most kMaxSheetRows rows (the
// rows beyond the last used one are empty).
inline constexpr int kMaxFileLastRow = kMaxSheetRows - 1;
inline constexpr int kMaxFileRowCount = kMaxFileLastRow + kSavedBlankRows;

// A character the file's code page cannot hold: it is written as "?" and
// reads back as "?". In a cell (row and column of the sheet), or, with row
// kTitleLine, in the title block (column: the title line, 0 frequency to 5
// era label, kSettingsEraLine for the settings panel's era name, kExtraLines
// for the lines after the era line: the short-circuit supply conditions).
struct LostCharacter {
    static constexpr int kTitleLine = -1;
    static constexpr int kSettingsEraLine = 6;
    static constexpr int kExtraLines = 7;
    int row = 0;
    int column = 0;
    std::string character;
    friend bool operator==(const LostCharacter&, const LostCharacter&) = default;
};

// Where a lost character is, in the window's words: "12行目 負荷名称",
// "建物名称".
std::string lostCharacterPlace(const LostCharacter& lost);
// A lost character as the notices show it: "「𠮷」(U+20BB7)"; the code point
// names it also where the screen's font has no picture of it.
std::string lostCharacterName(std::string_view character);
// One line per lost character (place and character), at most `maxLines`,
// then how many more there are.
std::string lostCharactersText(const std::vector<LostCharacter>& lost, std::size_t maxLines);

// Builds the file's bytes (CP932, CR LF) and adjusts the sheet as saving
// does: the count line is last used row + kSavedBlankRows and RowCount becomes
// that, at most kMaxSheetRows; the carrier cells are filled
// for the rows' lines, then (34,0) and (30,0) are cleared again while
// (34,1) and (34,2) keep their values until the next load.
// `extraLines` follow the era line. Every character that the code page cannot
// hold is added to `lost` when that is given, once for each text it is in.
std::string writeSheetFile(Sheet& sheet, const SheetFileCarriers& carriers, const SheetFileTitle& title,
                           std::span<const std::string> extraLines = {}, std::vector<LostCharacter>* lost = nullptr);

struct SheetFileContent {
    // The rows with the carrier cells still in place, blanks turned into
    // empty cells, tree marks repaired; RowCount at least 108.
    Sheet sheet;
    SheetFileTitle title;
    // The lines after the era line, and the file's line number of the first.
    std::vector<std::string> extraLines;
    int extraFirstLine = 0;
};

// Reads a whole sheet file into `content`. Returns the reason when the file
// is not a complete sheet file; `content` is then unspecified.
std::optional<std::string> readSheetFile(std::string_view bytes, SheetFileContent& content);

// Column 5 as stored: "▶" cannot be written in CP932 and comes back as "?".
// Returns the tree mark a stored form stands for, or the text unchanged.
std::string repairTreeMark(std::string text);

}  // namespace tolvane
