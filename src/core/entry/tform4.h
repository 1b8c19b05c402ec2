// The branch entry form "データー入力フォーム": one row of a dwelling feeder
// (head row, branch point, segment or branch) entered and checked; the main
// window copies the row in before and back after. Its allowable-drop choice
// is the one the sheet totals use (TForm1::supply).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cables/cable_handback.h"
#include "entry/modal_result.h"

namespace tolvane {

class Host;
class TForm1;
class TForm2;
class TForm3;
class Tdensen;
struct TrialFailure;

class TForm4 {
public:
    TForm4(TForm1& form1, TForm2& feederForm, Tdensen& densen, TForm3& keypad);

    static constexpr std::string_view Caption = "データー入力フォーム";
    static constexpr std::string_view Button4Caption = "登録";
    static constexpr std::string_view Button5Caption = "キャンセル";
    static constexpr std::string_view Button1Caption = "無し";
    static constexpr std::string_view Button11Caption = "電線・ケーブル表呼出";
    static constexpr std::string_view Button16Caption = "数値入力";
    static constexpr std::string_view CheckBox1Caption = "これより後ろの階は同じデーターで書き込む";
    static constexpr std::string_view CheckBox2Caption = "負荷名称は変更しない";
    static constexpr std::string_view RadioButton1Caption = "電気使用場所に設けた変圧器から供給";
    static constexpr std::string_view RadioButton1Note = "※マンションなど専用変圧器の場合も含む";
    static constexpr std::string_view RadioButton2Caption = "電気事業者から低圧で電気の供給を受ける";
    static constexpr std::string_view RadioButton5Caption = "指定した電圧降下(%)で計算する";
    static constexpr std::string_view DropTableCaption = "※内線規程に記載されている電圧降下許容値";
    static constexpr std::string_view Label15Caption = "※幹線からの分岐ブレーカーがあれば入力してください。";

    // ---- head-row values
    std::string Edit1;  // feeder number or name
    std::string Edit2;  // system (K' of the drop)
    std::string Edit3;  // voltage
    std::string Edit8;  // breaker rating of the feeder
    bool Edit8Visible = true;

    // ---- the edited row
    std::string Edit4;                  // tree mark
    std::string ComboBox6 = "3";        // length
    std::vector<std::string> ComboBox6Items;
    std::string Label10 = "総長";       // length from the origin up to this row's run
    std::string Edit5;                  // load name
    std::string ComboBox1;              // first number of numbered load names
    std::vector<std::string> ComboBox1Items;
    std::string ComboBox2;              // unit word after the number
    std::vector<std::string> ComboBox2Items;
    std::string ComboBox12 = "60";      // main device rating
    std::string ComboBox15 = "50";      // design current
    std::vector<std::string> RatingItems;
    std::string Edit6;                  // power factor
    std::string ComboBox14 = "気中暗渠配線";  // installation method
    std::vector<std::string> ComboBox14Items;
    std::string Label58;
    std::string ComboBox16 = "H=600";
    std::vector<std::string> ComboBox16Items;
    bool ComboBox16Visible = false;
    bool Button11Lower = false;
    std::string Edit10;                 // cable designation
    std::string Edit11;                 // allowable current
    std::string Edit12 = "Z";           // impedance
    std::string Label56 = "R";
    std::string Label57 = "X";
    std::string Label43 = "sq";
    std::string Label60;                // drop of the row
    bool RadioButton1 = true;
    bool RadioButton2 = false;
    bool RadioButton5 = false;
    std::string Edit13 = "3";           // percentage
    std::string Edit7 = "200";          // reference voltage
    std::string Label70;                // allowable drop
    bool CheckBox1 = false;             // write the same data into the later rows
    bool CheckBox2 = false;             // leave load names alone
    std::string Edit9;                  // remarks
    bool Label15Visible = false;

    // ---- layout by the kind of row
    bool ConnectorBoxVisible = false;      // "接続材" on branch rows
    bool LengthBesideDrawing = false;      // segment and branch-point rows
    bool MainDeviceCompact = false;        // first segment of the second system
    bool MainDevicePictureVisible = false;

    // Kind of the edited row: 4 head, 3 branch point, 2 segment, 1 branch.
    int pat = 0;
    // Set by the main window when the row is the first segment of the second
    // system (or a two-system branch point); used and cleared when shown.
    bool firstSegmentMark = false;

    std::string ActiveControl;
    int Top = 0;
    ModalResult modalResult = ModalResult::None;
    bool closeRequested() const { return modalResult != ModalResult::None; }

    Host* host = nullptr;

    // ---- handlers
    void FormShow();
    void Button10Click();  // drop
    void Button9Click();   // impedance
    void Button14Click();  // allowable drop
    void Button12Click();  // cable check
    void Button11Click();  // "電線・ケーブル表呼出"
    void Button8Click();   // shows the cable window
    void ComboBox14Change();
    void ComboBox16Change();
    void ComboBox6Change();
    void Button16Click();  // keypad into the length
    void ComboBox15Change();
    void ComboBox12Change();
    void Button1Click();   // "無し"
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton5Click();
    void Edit13Change();   // the percentage typed
    void Edit2MouseDown();
    void Edit3MouseDown();
    void Edit4MouseDown();
    void ComboBox1MouseEnter();
    void Button4Click();   // "登録"
    void Button18Click();  // "ケーブル自動選定"
    void Button5Click();   // "キャンセル"
    void FormClose();      // the window's close box

    // A double-click on one of the clearing controls; false for other names.
    bool DblClick(std::string_view control);

private:
    CableCaller cableCaller() const;
    void takeHandBack(const CableHandBack& handBack);
    void afterCableChosen();
    std::vector<TrialFailure> judgeFeeder(const CableHandBack& size, const std::string& impedance) const;
    bool runDrop();
    void storeSupply();
    void loadSupply();

    TForm1& form1_;
    TForm2& feederForm_;
    Tdensen& densen_;
    TForm3& keypad_;
};

}  // namespace tolvane
