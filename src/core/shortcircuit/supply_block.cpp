#include "shortcircuit/supply_block.h"

#include <algorithm>

#include "sheet/comma_text.h"
#include "text/numbers.h"

namespace tolvane {

namespace {

constexpr std::string_view kTimeKey = "時間";
constexpr std::string_view kBankKey = "バンク";
constexpr std::string_view kPhaseSingle = "1";
constexpr std::string_view kPhaseThree = "3";

// Fields as comma text, in the quoting of the sheet's rows, without the
// empty fields at the end.
std::string encodeFields(std::initializer_list<std::string_view> fields)
{
    SheetRow row;
    std::size_t i = 0;
    for (std::string_view f : fields) row[i++] = std::string(f);
    std::string line = encodeCommaText(row);
    while (!line.empty() && line.back() == ',') line.pop_back();
    return line;
}

// A line's fields; empty ones are empty texts.
SheetRow decodeFields(std::string_view line)
{
    SheetRow row = decodeCommaText(line);
    for (auto& cell : row)
        if (cell == " ") cell.clear();
    return row;
}

}  // namespace

std::vector<std::string> supplyBlockLines(const SupplyConditions& supply)
{
    std::vector<std::string> lines;
    if (supply.isDefault()) return lines;
    lines.emplace_back(kSupplyBlockStart);
    lines.push_back(encodeFields({kTimeKey, supply.breakingTime}));
    for (const TransformerBank& b : supply.banks)
        lines.push_back(encodeFields({kBankKey, b.name, b.phases == BankPhases::Single ? kPhaseSingle : kPhaseThree,
                                      b.voltage, b.kva, b.percentZ, b.percentR, b.loadLoss, b.hvKa, b.hvKv}));
    lines.emplace_back(kSupplyBlockEnd);
    return lines;
}

SupplyBlock readSupplyBlock(std::span<const std::string_view> lines, int firstLine)
{
    SupplyBlock out;
    if (lines.empty() || lines.front() != kSupplyBlockStart) return out;

    auto refuse = [&](std::size_t index, std::string why) {
        out.supply = SupplyConditions{};
        out.message = "短絡電流計算の電源条件（" + std::to_string(firstLine + static_cast<int>(index)) + "行目）" + why;
        return out;
    };
    bool timeSeen = false;
    std::size_t i = 1;
    for (; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line == kSupplyBlockEnd) break;
        SheetRow f = decodeFields(line);
        if (f[0] == kTimeKey) {
            if (timeSeen) return refuse(i, "：遮断時間が二度あります");
            timeSeen = true;
            out.supply.breakingTime = f[1];
            if (!breakingTimeSeconds(f[1])) return refuse(i, "：遮断時間「" + f[1] + "」は0より大きく10以下の数値ではありません");
        } else if (f[0] == kBankKey) {
            TransformerBank b;
            b.name = f[1];
            if (f[2] == kPhaseSingle)
                b.phases = BankPhases::Single;
            else if (f[2] == kPhaseThree)
                b.phases = BankPhases::Three;
            else
                return refuse(i, "：相「" + f[2] + "」は1か3ではありません");
            b.voltage = f[3];
            b.kva = f[4];
            b.percentZ = f[5];
            b.percentR = f[6];
            b.loadLoss = f[7];
            b.hvKa = f[8];
            b.hvKv = f[9];
            if (!std::all_of(f.begin() + 10, f.end(), [](const std::string& c) { return c.empty(); }))
                return refuse(i, "：バンクの欄が多すぎます");
            BankCheck check = checkBank(b);
            if (!check.values) return refuse(i, "：" + check.message);
            if (out.supply.findBank(b.name)) return refuse(i, "：バンクの名称「" + b.name + "」が重複しています。");
            out.supply.banks.push_back(std::move(b));
        } else {
            return refuse(i, "：読めない行です");
        }
    }
    if (i == lines.size()) return refuse(lines.size() - 1, "：終わりの行「" + std::string(kSupplyBlockEnd) + "」がありません");
    if (!timeSeen) return refuse(i, "：遮断時間の行がありません");
    if (auto problem = checkSupply(out.supply)) return refuse(0, "：" + *problem);
    // Lines after the end line belong to no block this program writes; they
    // are passed over as a reader of the rows passes over the block.
    return out;
}

}  // namespace tolvane
