// What the feeder entry form and the branch entry form share: the chosen
// cable with its placeholders, the installation method and burial depth, the
// supply choice, the drop and the allowable drop, the cable window and the
// keypad, and the checks of "登録". Both forms name these controls alike; the
// controls each form names its own way (cable designation, allowable current,
// impedance, design current) are handed to the shared steps by the form.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cables/cable_handback.h"
#include "entry/modal_result.h"

namespace tolvane {

class Host;
class TForm1;
class TForm3;
class Tdensen;

class EntryForm {
public:
    static constexpr std::string_view Caption = "データー入力フォーム";
    static constexpr std::string_view Button4Caption = "登録";
    static constexpr std::string_view Button5Caption = "キャンセル";
    static constexpr std::string_view Button11Caption = "電線・ケーブル表呼出";
    static constexpr std::string_view KeypadButtonCaption = "数値入力";
    static constexpr std::string_view RadioButton1Caption = "電気使用場所に設けた変圧器から供給";
    static constexpr std::string_view RadioButton1Note = "※マンションなど専用変圧器の場合も含む";
    static constexpr std::string_view RadioButton2Caption = "電気事業者から低圧で電気の供給を受ける";
    static constexpr std::string_view RadioButton5Caption = "指定した電圧降下(%)で計算する";
    static constexpr std::string_view DropTableCaption = "※内線規程に記載されている電圧降下許容値";

    // ---- installation method
    std::string ComboBox14;                   // installation method
    std::vector<std::string> ComboBox14Items;
    std::string Label58;                      // method a cable rack is rated under
    std::string ComboBox16 = "H=600";         // burial depth
    std::vector<std::string> ComboBox16Items;
    bool ComboBox16Visible = false;
    bool Button11Lower = false;               // cable button placed below the depth list

    // ---- the chosen cable (R and X are placeholders until one is chosen)
    std::string Label56 = "R";
    std::string Label57 = "X";
    std::string Label43 = "sq";               // conductor size

    // ---- drop and allowable drop
    std::string Label60;                      // drop of the run
    bool RadioButton1 = true;                 // transformer on the premises
    bool RadioButton2 = false;                // low-voltage supply from the utility
    bool RadioButton5 = false;                // given percentage
    std::string Label70;                      // allowable drop

    // Vertical position; moved out of sight while the cable window is shown.
    int Top = 0;
    std::string ActiveControl;
    ModalResult modalResult = ModalResult::None;
    bool closeRequested() const { return modalResult != ModalResult::None; }

    Host* host = nullptr;

    // ---- handlers both forms have
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton5Click();
    void ComboBox14Change();
    void ComboBox16Change();
    void Button11Click();  // "電線・ケーブル表呼出"
    void Button8Click();   // shows the cable window
    void Button9Click() { runImpedance(); }  // impedance
    void Button10Click();  // drop
    void Button5Click();   // "キャンセル"
    void FormClose();      // the window's close box

    // Each form reads its own fields for these.
    virtual void Button12Click() = 0;  // cable check
    virtual void Button14Click() = 0;  // allowable drop

protected:
    // `patt` is what the cable window calls this form; `noteFollowsMethod`
    // when choosing a method also renews the note of the rated method (the
    // branch form sets it only when shown).
    EntryForm(TForm1& form1, Tdensen& densen, TForm3& keypad, int patt, bool noteFollowsMethod);
    virtual ~EntryForm() = default;

    // A form is copied to try a size on (ケーブル自動選定); never assigned.
    EntryForm(const EntryForm&) = default;

    // The controls a form names its own way.
    struct CableFields {
        std::string& cable;      // designation
        std::string& allowable;  // allowable current
        std::string& impedance;  // impedance, kNoZ until one is worked out
    };
    virtual CableFields cableFields() = 0;
    virtual std::string_view feederSystem() const = 0;  // for the lookup key of the cable window
    // Impedance of the chosen cable; false when the power factor cannot be
    // used (told).
    virtual bool runImpedance() = 0;
    // Drop of the run; false when a current or a length is missing or cannot
    // be used (told).
    virtual bool runDrop() = 0;
    // An input of the impedance or the drop changed: both are worked out
    // again, so what the form shows is what "登録" writes. A run without an
    // impedance yet (no cable) has no drop to show and is not asked for one.
    void inputsChanged();
    // What a chosen cable runs: impedance, drop and cable check.
    virtual void afterCableChosen();

    // How this form opens the cable window, and what the window hands back
    // written into the form.
    CableCaller cableCaller() const;
    void takeHandBack(const CableHandBack& handBack);

    // ケーブル自動選定 tries sizes on copies of the form. A size handed back
    // with its impedance worked out into `impedance` (the form's field):
    void takeSizeWithImpedance(const CableHandBack& size, std::string& impedance);
    // ... and then its drop and allowable drop; false when an entry is
    // missing (told by a copy that speaks to the user).
    bool takeTrialSize(const CableHandBack& size, std::string& impedance);
    // The size found, if any, taken as a double-click in the cable window
    // would take it.
    void takeFoundSize(const std::optional<CableHandBack>& size);

    // The start of each showing: not closed, no cable of an earlier,
    // cancelled editing applied, the cable window's family prompt answered.
    void startShowing();
    // Depth list, cable-button place and, with `withNote`, the rated method.
    void showMethodLayout(bool withNote);
    // The keypad's text into `target` when it is registered; a cancelled
    // keypad leaves the field as it was and returns false.
    bool keypadInto(std::string& target);
    // The cable check of Button12: a cable too small is told and the cable
    // window opens again.
    void checkCable(const std::string& allowable, const std::string& current, const std::string& cable);
    // A double-click on a clearing control empties its field; false for a
    // control that is not in `table`.
    struct Clearing {
        std::string_view control;
        std::string* field;
    };
    static bool clearOnDoubleClick(std::string_view control, std::initializer_list<Clearing> table);
    // The checks of "登録" both forms make, in order: a cable chosen, a design
    // current given, then impedance, drop, cable check and allowable drop run
    // again, R and X back to their placeholders and the drop judged. False
    // when recording stops (told, focus set).
    bool recordChecks(const std::string& impedance, const std::string& current, std::string_view currentControl);

    TForm1& form1_;
    Tdensen& densen_;
    TForm3& keypad_;

private:
    const int patt_;
    const bool noteFollowsMethod_;
};

}  // namespace tolvane
