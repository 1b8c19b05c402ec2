// The current calculator "電流計算フォーム": a load power into a current or a
// current into a power, with its own keypad. Once a value is entered, the
// result is worked out again on every change of the input, the voltage, the
// power factor or the circuit, so what the display shows is always the result
// of what the form shows. "登録" closes the form only with a current shown;
// the feeder entry form then reads that current from Label1.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "entry/modal_result.h"

namespace tolvane {

class Host;

class TForm5 {
public:
    TForm5();

    static constexpr std::string_view Caption = "電流計算フォーム";
    static constexpr std::string_view Heading = "電力と電流の計算";
    static constexpr std::string_view Tab0Caption = "電力値を計算する";
    static constexpr std::string_view Tab1Caption = "電流値を計算する";
    static constexpr std::string_view Label141Caption = "単相2線、単相３線";
    static constexpr std::string_view Label142Caption = "３相３線";

    // Captions of the compute button; the caption is also the calculator's state.
    static constexpr std::string_view kReady = "計算";
    static constexpr std::string_view kEnterCurrent = "電流値の入力";
    static constexpr std::string_view kEnterPower = "電力値の入力";

    int TabControl3 = 1;                   // 0: power from current, 1: current from power
    std::string Label137 = " 電  力";      // name of the input quantity
    std::string Edit7;                     // the input value
    std::string Label147 = "Kw";           // unit of the input
    std::string ComboBox9 = "100";         // voltage [V]
    std::vector<std::string> ComboBox9Items;
    std::string ComboBox10 = "80";         // power factor [%]
    std::vector<std::string> ComboBox10Items;
    bool RadioButton28 = true;             // single-phase
    bool RadioButton29 = false;            // three-phase three-wire
    std::string Label144 = "電流値";       // name of the shown result
    bool Label144Visible = false;
    std::string Label145 = "0";            // the display
    std::string Label146 = "A";            // unit of the display
    bool Button62Tag = false;              // a decimal point is in the display
    std::string Button65 = std::string(kEnterPower);
    bool Button67Visible = false;          // "KVA変換"
    std::string Label1;                    // the current shown, full precision; empty when none
    std::string Label148;                  // why no result is shown; empty while one is

    ModalResult modalResult = ModalResult::None;
    bool closeRequested() const { return modalResult != ModalResult::None; }

    Host* host = nullptr;

    bool ready() const { return Button65 == kReady; }

    void FormShow();
    // Opened from an entry form: the circuit and voltage of its system
    // ("三相3線", "200"; "単相3線", "100/200").
    void startOn(std::string_view system, std::string_view voltage);
    void TabControl3Change();         // after TabControl3 was changed
    void Button64Click();             // "C"
    void Edit7Click();                // a click into the input field
    void Edit7KeyUp();                // after typing into the input field
    void Button52Click() { digit('1'); }
    void Button53Click() { digit('2'); }
    void Button54Click() { digit('3'); }
    void Button55Click() { digit('4'); }
    void Button56Click() { digit('5'); }
    void Button57Click() { digit('6'); }
    void Button58Click() { digit('7'); }
    void Button59Click() { digit('8'); }
    void Button60Click() { digit('9'); }
    void Button61Click();             // "0"
    void Button62Click();             // "."
    void Button65Click();             // compute
    void Button67Click();             // "KVA変換"
    void Button63Click();             // "100%"
    void Button66Click();             // "80%"
    void ComboBox9Change();           // voltage chosen or typed
    void ComboBox10Change();          // power factor chosen or typed
    void RadioButton28Click();        // single-phase
    void RadioButton29Click();        // three-phase
    void Label141Click();             // chooses single-phase
    void Label142Click();             // chooses three-phase
    void Button1Click();              // "登録": closes with the current shown, or tells why there is none
    void FormClose();                 // the window's close box

    // A keypad key by its face: "0".."9", ".".
    bool pressKey(std::string_view key);

    std::string ActiveControl;

    // Messages of the calculator.
    static constexpr std::string_view kNoCurrent = "電流値が計算されていません";
    static constexpr std::string_view kEnterPowerValue = "電力値を入力してください";
    static constexpr std::string_view kEnterCurrentValue = "電流値を入力してください";
    static constexpr std::string_view kNegativeInput = "0以上の数値を入力してください";
    static constexpr std::string_view kVoltageRange = "電圧は0より大きい数値を入力してください";
    static constexpr std::string_view kPowerFactorRange = "力率は0より大きく100以下の数値を入力してください";
    static constexpr std::string_view kChooseCircuit = "電気方式を選択してください";
    static constexpr std::string_view kTooLarge = "数値が大き過ぎます";

private:
    void digit(char d);
    void showEntryState();
    void tabLabels();
    // Works out the result of the shown inputs into the display (ready state
    // only); false, with the reason in Label148, when there is none.
    bool recompute();
};

}  // namespace tolvane
