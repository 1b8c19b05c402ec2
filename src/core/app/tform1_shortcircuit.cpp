// The main window's short-circuit inputs: the supply conditions and the
// per-row bank and breaking capacities in the sheet's columns 27 to 29.
#include <cmath>

#include "app/tform1.h"
#include "sheet/tree_marks.h"
#include "text/numbers.h"

namespace tolvane {

namespace {

// A row that holds a run of a feeder: one with a tree mark.
bool isFeederRow(const Sheet& sheet, int row)
{
    return row >= 0 && row < sheet.rowCount() && hasValue(sheet.cell(col::Mark, row));
}

constexpr const char* kNoFeederRow = "幹線の行ではありません。";
constexpr const char* kNoHeadRow = "電源のバンクは幹線の先頭行（単独幹線はその行）で指定してください。";

// The row a feeder's bank is given on: its head row or a single feeder's row.
bool isFeederHead(const Sheet& sheet, int row)
{
    const std::string& m = sheet.cell(col::Mark, row);
    return m == mark::Single || m == mark::Head;
}

}  // namespace

std::optional<std::string> TForm1::setSupplyConditions(SupplyConditions conditions)
{
    if (auto problem = checkSupply(conditions)) return problem;
    if (conditions == supplyConditions) return std::nullopt;
    supplyConditions = std::move(conditions);
    modified = true;
    return std::nullopt;
}

std::optional<std::string> TForm1::setRowBank(int row, std::string bankName)
{
    if (!isFeederRow(StringGrid1, row)) return std::string(kNoFeederRow);
    if (!isFeederHead(StringGrid1, row)) return std::string(kNoHeadRow);
    if (!bankName.empty() && !supplyConditions.findBank(bankName))
        return "バンク「" + bankName + "」は電源条件にありません。";
    if (StringGrid1.cell(col::BankName, row) == bankName) return std::nullopt;
    StringGrid1.setCell(col::BankName, row, std::move(bankName));
    modified = true;
    return std::nullopt;
}

namespace {

std::optional<std::string> setIcu(TForm1& form, int row, int column, std::string icu, std::string_view what)
{
    if (!isFeederRow(form.StringGrid1, row)) return std::string(kNoFeederRow);
    if (hasValue(icu)) {
        std::optional<double> v = tryParseDecimal(icu);
        if (!v || !std::isfinite(*v) || *v <= 0)
            return std::string(what) + "の定格遮断容量Icu[kA]は0より大きい数値を入力してください: " + icu;
    } else {
        icu.clear();
    }
    if (form.StringGrid1.cell(column, row) == icu) return std::nullopt;
    form.StringGrid1.setCell(column, row, std::move(icu));
    form.modified = true;
    return std::nullopt;
}

}  // namespace

std::optional<std::string> TForm1::setRowBreakerIcu(int row, std::string icu)
{
    return setIcu(*this, row, col::BreakerIcu, std::move(icu), "遮断器");
}

std::optional<std::string> TForm1::setRowMainIcu(int row, std::string icu)
{
    return setIcu(*this, row, col::MainIcu, std::move(icu), "主幹器具");
}

ShortCircuitResult TForm1::shortCircuit() const { return computeShortCircuit(StringGrid1, supplyConditions, frequency()); }

}  // namespace tolvane
