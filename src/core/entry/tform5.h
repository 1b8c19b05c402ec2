// The current calculator "電流計算フォーム": a load power into a current or a
// current into a power, with its own keypad. The feeder entry form reads the
// last calculated current from Label1 after it closes.
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
    std::string Label1;                    // last calculated current, full precision

    ModalResult modalResult = ModalResult::None;
    bool closeRequested() const { return modalResult != ModalResult::None; }

    Host* host = nullptr;

    bool ready() const { return Button65 == kReady; }

    void FormShow();
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
    void RadioButton28Click();
    void RadioButton29Click();
    void Label141Click();             // chooses single-phase and recomputes
    void Label142Click();             // chooses three-phase and recomputes
    void Button1Click();              // "登録"
    void FormClose();                 // the window's close box

    // A keypad key by its face: "0".."9", ".".
    bool pressKey(std::string_view key);

    std::string ActiveControl;

private:
    void digit(char d);
    void showEntryState();
    void tabLabels();
};

}  // namespace tolvane
