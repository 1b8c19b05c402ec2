// The electrical systems of a run: coefficient K', default voltage, the
// reference voltage of the allowable drop, and load kind with power factor.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

inline constexpr std::string_view kSystemSingle2 = "単相2線";
inline constexpr std::string_view kSystemSingle3 = "単相3線";
inline constexpr std::string_view kSystemThree4 = "三相4線";
inline constexpr std::string_view kSystemThree3 = "三相3線";
inline constexpr std::string_view kSystemDc2 = "直流2線";

// The system lists of the entry forms, in their order; "単相3線" preselected.
inline constexpr std::string_view kSystemList[] = {kSystemSingle3, kSystemSingle2, kSystemThree3, kSystemDc2,
                                                   kSystemThree4};
// The voltage lists; "100/200" preselected.
inline constexpr std::string_view kVoltageList[] = {"100/200", "100", "200", "400", "230/400"};

inline constexpr std::string_view kLoadKindLighting = "電灯・コンセント";
inline constexpr std::string_view kLoadKindMotorCapacitor = "電動機(ｺﾝﾃﾞﾝｻ有)";
inline constexpr std::string_view kLoadKindMotorPlain = "電動機(ｺﾝﾃﾞﾝｻ無)";
inline constexpr std::string_view kLoadKindList[] = {kLoadKindLighting, kLoadKindMotorCapacitor, kLoadKindMotorPlain};

// K' of a system text; 0 for any other text.
double SystemCoefficient(std::string_view system);

struct SystemVoltage {
    std::string voltage;           // the voltage list's text, e.g. "100/200"
    std::string referenceVoltage;  // e.g. "100"
};
// Default voltage and reference voltage of a system; nothing for other texts.
std::optional<SystemVoltage> DefaultVoltage(std::string_view system);

// Reference voltage of a system without a voltage choice (100 for other texts,
// as the sheet totals use it).
double SystemReferenceVoltage(std::string_view system);

// Reference voltage text of a chosen voltage: the lower of a pair
// ("100/200" -> "100", "230/400" -> "230"), any other text itself.
std::string ReferenceVoltageOf(std::string_view voltage);

// Power factor text of a load kind; nothing for other texts.
std::optional<std::string> LoadKindPowerFactor(std::string_view loadKind);

// Load kind shown for a stored row; nothing means "leave the list as it is".
std::optional<std::string> LoadKindOf(std::string_view system, std::string_view powerFactor);

}  // namespace tolvane
