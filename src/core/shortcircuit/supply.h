// The supply conditions of a building for its short-circuit calculation
// (電源条件): the transformer banks that feed the low-voltage feeders and the
// breaking time the cables must withstand the fault current for.
//
// Every field holds the text the user typed, so that the window shows and the
// sheet file stores exactly that; checkBank turns a bank into numbers and
// says, in Japanese and naming the field, what is wrong with it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// 相 of a bank: a 単相 bank is a 210/105 V three-wire bank; a 三相 bank feeds
// three-phase rows (and 単相2線 200 V rows taken between two of its lines).
enum class BankPhases { Single, Three };

inline constexpr std::string_view kPhasesSingle = "単相";
inline constexpr std::string_view kPhasesThree = "三相";
std::string_view phasesText(BankPhases phases);

inline constexpr std::string_view kDefaultSecondaryVoltage = "210";
inline constexpr std::string_view kDefaultHighVoltageKa = "12.5";
inline constexpr std::string_view kDefaultHighVoltageKv = "6.6";
inline constexpr std::string_view kDefaultBreakingTime = "0.02";

struct TransformerBank {
    std::string name;                                           // 名称
    BankPhases phases = BankPhases::Three;                      // 相
    std::string voltage = std::string(kDefaultSecondaryVoltage);  // 二次電圧 [V]
    std::string kva;                                            // 定格容量 [kVA]
    std::string percentZ;                                       // %Z on the bank's own rating
    std::string percentR;                                       // %R; empty: from the load loss, else 0
    std::string loadLoss;                                       // 負荷損 [W], instead of %R
    std::string hvKa = std::string(kDefaultHighVoltageKa);     // 高圧側短絡電流 [kA]; empty = infinite bus
    std::string hvKv = std::string(kDefaultHighVoltageKv);     // 高圧側電圧 [kV]

    bool operator==(const TransformerBank&) const = default;
};

// A bank's numbers, checked.
struct BankValues {
    BankPhases phases = BankPhases::Three;
    double voltage = 0;   // V
    double kva = 0;
    double percentZ = 0;
    double percentR = 0;  // as given, from the load loss, or 0
    double percentX = 0;  // √(%Z² − %R²)
    bool percentRGiven = false;        // false: %R counted as 0 (the larger current)
    std::optional<double> hvKa;        // nothing: infinite bus
    double hvKv = 0;
};

// The bank's numbers, or the reason it cannot be used: a message that names
// the bank and the field (「バンク「T1」の%Z…」). Refuses an empty name, a
// voltage, capacity or %Z that is not a number above 0, %R < 0, %R ≥ %Z, %R
// and 負荷損 both given, a load loss below 0, a high-voltage current or
// voltage that is not a number above 0 (the current may be empty).
// The field a refused bank is refused for, so that a form can put the
// cursor there.
enum class BankField { None, Name, Voltage, Kva, PercentZ, PercentR, LoadLoss, HvKa, HvKv };
struct BankCheck {
    std::optional<BankValues> values;
    std::string message;  // empty when values holds the numbers
    BankField field = BankField::None;
};
BankCheck checkBank(const TransformerBank& bank);

struct SupplyConditions {
    std::vector<TransformerBank> banks;
    std::string breakingTime = std::string(kDefaultBreakingTime);  // t [s] for the cable check

    bool operator==(const SupplyConditions&) const = default;
    // No bank and the default time: the sheet file carries no block for it.
    bool isDefault() const { return banks.empty() && breakingTime == kDefaultBreakingTime; }
    // The bank of that name; null when there is none.
    const TransformerBank* findBank(std::string_view name) const;
};

// The first problem of the conditions as a message naming the bank and field,
// nothing when every bank checks and the names are unique: also refuses a
// breaking time that is not a number above 0 (at most 10 s).
std::optional<std::string> checkSupply(const SupplyConditions& supply);

// The checked breaking time [s]; nothing when it is no number in (0, 10].
std::optional<double> breakingTimeSeconds(std::string_view text);

// A bank as the command line gives it: "NAME,PHASES,V,KVA,%Z,%R[,HV_KA[,HV_KV]]"
// with PHASES 1 or 3 (an empty %R counts as 0, an empty HV_KA is an infinite
// bus, HV_KV defaults to 6.6). The bank, or the reason in `message`.
struct BankSpec {
    std::optional<TransformerBank> bank;
    std::string message;
};
BankSpec parseBankSpec(std::string_view text);

}  // namespace tolvane
