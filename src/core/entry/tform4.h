// The branch entry form "データー入力フォーム": one row of a dwelling feeder
// (head row, branch point, segment or branch) entered and checked; the main
// window copies the row in before and back after. Its allowable-drop choice
// is the one the sheet totals use (TForm1::supply).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "entry/entry_form.h"

namespace tolvane {

class TForm2;
struct TrialFailure;

class TForm4 : public EntryForm {
public:
    TForm4(TForm1& form1, TForm2& feederForm, Tdensen& densen, TForm3& keypad);

    static constexpr std::string_view Button1Caption = "無し";
    static constexpr std::string_view CheckBox1Caption = "これより後ろの階は同じデーターで書き込む";
    static constexpr std::string_view CheckBox2Caption = "負荷名称は変更しない";
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
    std::string Edit10;                 // cable designation
    std::string Edit11;                 // allowable current
    std::string Edit12 = "Z";           // impedance
    std::string Edit13 = "3";           // percentage
    std::string Edit7 = "200";          // reference voltage
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

    // ---- handlers (the shared ones are EntryForm's)
    void FormShow();
    void Button14Click() override;  // allowable drop
    void Button12Click() override;  // cable check
    void ComboBox6Change();
    void Button16Click();  // keypad into the length
    void ComboBox15Change();
    void Edit6Change();    // power factor typed and left
    void ComboBox12Change();
    void Button1Click();   // "無し"
    void Edit13Change();   // the percentage typed
    void Edit2MouseDown();
    void Edit3MouseDown();
    void Edit4MouseDown();
    void ComboBox1MouseEnter();
    void Button4Click();   // "登録"
    void Button18Click();  // "ケーブル自動選定"

    // A double-click on one of the clearing controls; false for other names.
    bool DblClick(std::string_view control);

protected:
    CableFields cableFields() override { return {Edit10, Edit11, Edit12}; }
    // The cable window takes the core suffix from the feeder form's system.
    std::string_view feederSystem() const override;
    bool runImpedance() override;
    bool runDrop() override;
    void afterCableChosen() override;

private:
    std::vector<TrialFailure> judgeFeeder(const CableHandBack& size, const std::string& impedance) const;
    void storeSupply();
    void loadSupply();

    TForm2& feederForm_;
};

}  // namespace tolvane
