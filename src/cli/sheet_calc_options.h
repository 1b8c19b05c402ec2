// Options shared by the sheet-calculation commands `recalc` and `check`.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/voltage_drop.h"
#include "text/numbers.h"

namespace tolvane::cli {

// "--supply" values: transformer | utility | percent:N (the allowable-drop
// choice of the branch form). Nothing for any other text, or a percentage
// that is not a number.
inline std::optional<SupplyChoice> supplyChoiceOf(const std::string& text)
{
    if (text == "transformer") return SupplyChoice{SupplyKind::Transformer, "3"};
    if (text == "utility") return SupplyChoice{SupplyKind::Utility, "3"};
    if (text.rfind("percent:", 0) == 0 && tryParseDecimal(text.substr(8)))
        return SupplyChoice{SupplyKind::GivenPercent, text.substr(8)};
    return std::nullopt;
}

// One report of a sheet row: "FILE: シート行 R: MESSAGE". R is the sheet row
// counted from 0 (the row `clipboard --row` takes), not a line of the file.
inline std::string rowReport(const std::string& path, int row, std::string_view message)
{
    return path + ": シート行 " + std::to_string(row) + ": " + std::string(message);
}

}  // namespace tolvane::cli
