#include "shortcircuit/supply.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "text/numbers.h"

namespace tolvane {

namespace {

std::string bankLabel(const TransformerBank& bank) { return "バンク「" + bank.name + "」の"; }

// A finite number, or nothing for an empty or other text.
std::optional<double> number(std::string_view text)
{
    if (!hasValue(text)) return std::nullopt;
    std::optional<double> v = tryParseDecimal(text);
    if (!v || !std::isfinite(*v)) return std::nullopt;
    return v;
}

// The positive number of a field, or the message that names it.
std::optional<double> positive(const TransformerBank& bank, std::string_view text, std::string_view field,
                               std::string& message)
{
    std::optional<double> v = number(text);
    if (!v || *v <= 0) {
        message = bankLabel(bank) + std::string(field) + "は0より大きい数値を入力してください。";
        return std::nullopt;
    }
    return v;
}

}  // namespace

std::string_view phasesText(BankPhases phases) { return phases == BankPhases::Single ? kPhasesSingle : kPhasesThree; }

BankCheck checkBank(const TransformerBank& bank)
{
    BankCheck check;
    std::string& message = check.message;
    if (!hasValue(bank.name)) {
        message = "バンクの名称を入力してください。";
        check.field = BankField::Name;
        return check;
    }
    // A line end in a name would split the sheet file's line.
    if (std::any_of(bank.name.begin(), bank.name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
        message = "バンクの名称に改行などの制御文字は使えません。";
        check.field = BankField::Name;
        return check;
    }
    BankValues v;
    v.phases = bank.phases;
    auto refused = [&](BankField field) {
        check.field = field;
        return check;
    };
    auto voltage = positive(bank, bank.voltage, "二次電圧[V]", message);
    if (!voltage) return refused(BankField::Voltage);
    auto kva = positive(bank, bank.kva, "定格容量[kVA]", message);
    if (!kva) return refused(BankField::Kva);
    auto z = positive(bank, bank.percentZ, "%Z", message);
    if (!z) return refused(BankField::PercentZ);
    v.voltage = *voltage;
    v.kva = *kva;
    v.percentZ = *z;

    const bool rGiven = hasValue(bank.percentR);
    const bool lossGiven = hasValue(bank.loadLoss);
    if (rGiven && lossGiven) {
        message = bankLabel(bank) + "%Rと負荷損[W]は、どちらか一方を入力してください。";
        return refused(BankField::PercentR);
    }
    if (rGiven) {
        auto r = number(bank.percentR);
        if (!r || *r < 0) {
            message = bankLabel(bank) + "%Rは0以上の数値を入力してください。";
            return refused(BankField::PercentR);
        }
        v.percentR = *r;
        v.percentRGiven = true;
    } else if (lossGiven) {
        auto loss = number(bank.loadLoss);
        if (!loss || *loss < 0) {
            message = bankLabel(bank) + "負荷損[W]は0以上の数値を入力してください。";
            return refused(BankField::LoadLoss);
        }
        v.percentR = *loss / (10 * v.kva);
        v.percentRGiven = true;
    }
    if (v.percentR >= v.percentZ) {
        message = bankLabel(bank) + (lossGiven ? "負荷損[W]から求めた%R（" + formatFixed(v.percentR, 2) + "）" : "%R") +
                  "は%Zより小さくしてください。";
        return refused(lossGiven ? BankField::LoadLoss : BankField::PercentR);
    }
    v.percentX = std::sqrt(v.percentZ * v.percentZ - v.percentR * v.percentR);

    if (hasValue(bank.hvKa)) {
        auto ka = positive(bank, bank.hvKa, "高圧側短絡電流[kA]", message);
        if (!ka) return refused(BankField::HvKa);
        v.hvKa = *ka;
    }
    auto kv = positive(bank, bank.hvKv, "高圧側電圧[kV]", message);
    if (!kv) return refused(BankField::HvKv);
    v.hvKv = *kv;
    check.values = v;
    return check;
}

const TransformerBank* SupplyConditions::findBank(std::string_view name) const
{
    auto it = std::find_if(banks.begin(), banks.end(), [&](const TransformerBank& b) { return b.name == name; });
    return it == banks.end() ? nullptr : &*it;
}

std::optional<double> breakingTimeSeconds(std::string_view text)
{
    std::optional<double> t = number(text);
    if (!t || *t <= 0 || *t > 10) return std::nullopt;
    return t;
}

std::optional<std::string> checkSupply(const SupplyConditions& supply)
{
    std::set<std::string> names;
    for (const TransformerBank& bank : supply.banks) {
        BankCheck check = checkBank(bank);
        if (!check.values) return check.message;
        if (!names.insert(bank.name).second) return "バンクの名称「" + bank.name + "」が重複しています。";
    }
    if (!breakingTimeSeconds(supply.breakingTime))
        return std::string("遮断時間[s]は0より大きく10以下の数値を入力してください。");
    return std::nullopt;
}

BankSpec parseBankSpec(std::string_view text)
{
    BankSpec out;
    std::vector<std::string> fields;
    std::size_t from = 0;
    while (true) {
        const std::size_t comma = text.find(',', from);
        fields.emplace_back(text.substr(from, comma == std::string_view::npos ? std::string_view::npos : comma - from));
        if (comma == std::string_view::npos) break;
        from = comma + 1;
    }
    if (fields.size() < 6 || fields.size() > 8) {
        out.message = "--bank は 名称,相(1|3),二次電圧,kVA,%Z,%R[,高圧側kA[,高圧側kV]] の形で指定してください: " +
                      std::string(text);
        return out;
    }
    TransformerBank bank;
    bank.name = fields[0];
    if (fields[1] == "1")
        bank.phases = BankPhases::Single;
    else if (fields[1] == "3")
        bank.phases = BankPhases::Three;
    else {
        out.message = "--bank の相は 1（単相）か 3（三相）です: " + fields[1];
        return out;
    }
    bank.voltage = fields[2];
    bank.kva = fields[3];
    bank.percentZ = fields[4];
    bank.percentR = fields[5];
    if (fields.size() > 6) bank.hvKa = fields[6];
    if (fields.size() > 7) bank.hvKv = fields[7];
    BankCheck check = checkBank(bank);
    if (!check.values) {
        out.message = check.message;
        return out;
    }
    out.bank = std::move(bank);
    return out;
}

}  // namespace tolvane
