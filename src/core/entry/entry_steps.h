// The calculation steps both entry forms share: each works on the texts of
// the calling form's controls, so the feeder and the branch form apply one
// rule in one place.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/run_limits.h"
#include "calc/voltage_drop.h"

namespace tolvane {

class Host;

// Messages of the entry forms.
namespace msg {
inline constexpr std::string_view ChooseCable = "電線・ケーブルを選択してください";
inline constexpr std::string_view EnterDesignLoadCurrent = "設計負荷電流を入力してください";
inline constexpr std::string_view EnterDesignCurrent = "設計電流値を入力してください";
inline constexpr std::string_view EnterFeederLength = "幹線の亘長を入力してください";
inline constexpr std::string_view EnterLength = "亘長を入力してください";
inline constexpr std::string_view EnterPowerFactor = "力率を入力してください";
inline constexpr std::string_view DropTooLarge = "電圧降下が大き過ぎます再検討してください。";
inline constexpr std::string_view DropClose = "電圧降下がギリギリＯＫですが確認してください。";
inline constexpr std::string_view DropMissing = "電圧降下が計算されていません。入力を確認してください。";
inline constexpr std::string_view AllowableDropMissing = "許容電圧降下が計算されていません。入力を確認してください。";
}  // namespace msg

// Placeholders of a form whose cable is not chosen yet.
inline constexpr std::string_view kNoR = "R";
inline constexpr std::string_view kNoX = "X";
inline constexpr std::string_view kNoZ = "Z";

// Items of the lists: "from" .. "to" and the breaker rating list.
std::vector<std::string> numberItems(int from, int to);
std::vector<std::string> ratingItems();
std::vector<std::string> textItems(std::initializer_list<std::string_view> items);

// What choosing an installation method does to the form.
struct MethodLayout {
    bool depthVisible = false;      // burial-depth list and its label
    bool cableButtonLower = false;  // cable-table button placed below the depth list
    bool opensCableWindow = false;  // the cable window opens at once
    std::string note;               // Label58: the method a cable rack is rated under
};
MethodLayout methodLayoutOf(std::string_view method);

// Whether a length, current or power factor may be used; one that may not is
// told and takes the focus (`control`).
bool usable(Host* host, std::string& focus, RunValue kind, double value, std::string_view control);

// The fields a step reads and writes, with the control names for the focus.
struct ImpedanceFields {
    const std::string& r;
    const std::string& x;
    const std::string& powerFactor;
    std::string_view powerFactorControl;
    std::string& impedance;
};
// Impedance of the chosen cable at the power factor. Nothing while R or X is
// still its placeholder; a missing power factor or one outside (0, 1] is told
// and takes the focus, and the step returns false.
bool impedanceStep(Host* host, std::string& focus, const ImpedanceFields& f);

struct DropFields {
    std::string_view system;
    const std::string& current;
    std::string_view currentControl;
    std::string_view missingCurrentMessage;
    const std::string& length;
    std::string_view lengthControl;
    std::string_view missingLengthMessage;
    const std::string& impedance;
    std::string& drop;
};
// Drop of one run. Returns false when a current or a length is missing,
// negative or beyond its bound (told, focus on the field); the drop keeps its
// text then, and also while the impedance is still its placeholder.
bool dropStep(Host* host, std::string& focus, const DropFields& f);

// The supply kind the forms' three radio buttons stand for ("電気事業者から…"
// and "指定した電圧降下(%)…"; the transformer choice otherwise).
SupplyKind supplyKindOf(bool utility, bool givenPercent);

// Allowable drop: the fraction from the supply choice and the band length,
// the percentage field overwritten by the band, the drop in whole volts of
// the reference voltage.
void allowableDropStep(const SupplyChoice& supply, double length, std::string& percent,
                       const std::string& referenceVoltage, std::string& allowableDrop);

// The drop of the run against its allowable drop when it is recorded.
enum class DropVerdict {
    Passes,
    Close,             // 95 % to 100 % of the allowable drop: told, recorded
    TooLarge,          // refused
    DropMissing,       // refused: no drop computed
    AllowableMissing,  // refused: no allowable drop computed
};
DropVerdict judgeDrop(std::string_view drop, std::string_view allowableDrop);

// Whether "登録" records a run with this drop (told or not).
bool dropMayBeRecorded(std::string_view drop, std::string_view allowableDrop);

// Tells the verdict through the host; true when recording may go on.
bool tellDropVerdict(Host* host, DropVerdict verdict);

}  // namespace tolvane
