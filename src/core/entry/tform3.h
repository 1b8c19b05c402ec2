// The numeric keypad "数値フォーム": builds a number text with the mouse. The
// entry form that shows it copies the display into one of its own fields.
#pragma once

#include <string>
#include <string_view>

#include "entry/modal_result.h"

namespace tolvane {

class TForm3 {
public:
    static constexpr std::string_view Caption = "数値フォーム";
    static constexpr std::string_view Button14Caption = "登録";
    static constexpr std::string_view Button23Caption = "キャンセル";

    std::string Edit1;  // the display; the text handed back
    int ten = 0;        // 1 once a decimal point is in the current number

    ModalResult modalResult = ModalResult::None;
    bool closeRequested() const { return modalResult != ModalResult::None; }

    // Each showing starts with an empty display.
    void FormShow();

    void Button1Click() { digit('1'); }
    void Button2Click() { digit('2'); }
    void Button3Click() { digit('3'); }
    void Button4Click() { digit('4'); }
    void Button5Click() { digit('5'); }
    void Button6Click() { digit('6'); }
    void Button7Click() { digit('7'); }
    void Button8Click() { digit('8'); }
    void Button9Click() { digit('9'); }
    void Button10Click();  // "0"
    void Button11Click();  // "."
    void Button13Click();  // "C"
    void Edit1DblClick();  // clears the display
    void Button14Click();  // "登録"
    void Button23Click();  // "キャンセル": nothing is handed back; the caller's field stays

    // One key by its face: "0".."9", ".", "C", "登録", "キャンセル".
    // False for any other text.
    bool press(std::string_view key);
    // Backspace typed on the keyboard: takes back the last character; a
    // decimal point taken back may be typed again.
    void backspace();

private:
    void digit(char d);
};

}  // namespace tolvane
