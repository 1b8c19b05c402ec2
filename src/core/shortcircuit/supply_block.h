// The supply conditions in the sheet file: a block of lines after the era
// line, which a reader of the 35-column sheet file passes over. A sheet whose
// conditions are the defaults (no bank, t = 0.02 s) carries no block, so its
// file stays as it was.
//
//   [短絡電流計算 1]
//   時間,0.02
//   バンク,名称,相,二次電圧,kVA,%Z,%R,負荷損,高圧側kA,高圧側kV   (one line per bank)
//   [終]
//
// Fields are comma text as the rows are (quoted when they hold a comma,
// a blank or a double quote); 相 is "1" (単相) or "3" (三相).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shortcircuit/supply.h"

namespace tolvane {

inline constexpr std::string_view kSupplyBlockStart = "[短絡電流計算 1]";
inline constexpr std::string_view kSupplyBlockEnd = "[終]";

// The block's lines for the conditions (UTF-8, without line ends); none for
// the default conditions.
std::vector<std::string> supplyBlockLines(const SupplyConditions& supply);

// Reads the lines that follow the era line. No lines, or lines that do not
// begin with the block's first line, are no block: the default conditions.
// A block that is damaged (no end line, an unknown or short line, a bank or
// time that does not check) is refused: the message says which line, counted
// from the block's first line, and why.
struct SupplyBlock {
    SupplyConditions supply;
    std::string message;  // empty when read
};
SupplyBlock readSupplyBlock(std::span<const std::string_view> lines, int firstLine);

}  // namespace tolvane
