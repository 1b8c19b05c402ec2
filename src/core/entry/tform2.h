// The feeder entry form "データー入力フォーム": one single feeder, or the trunk
// and dwellings of a dwelling feeder, entered and checked before the main
// window writes it into the sheet. Members are the form's controls; methods
// are its event handlers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "entry/entry_form.h"

namespace tolvane {

class TForm5;

class TForm2 : public EntryForm {
public:
    TForm2(TForm1& form1, Tdensen& densen, TForm3& keypad, TForm5& calculator);

    static constexpr std::string_view Heading = "系統パターン登録画面";
    static constexpr std::string_view Button6Caption = "単独幹線";
    static constexpr std::string_view Button1Caption = "住宅幹線";
    static constexpr std::string_view Button9Caption = "インピーダンスの計算";
    static constexpr std::string_view Button10Caption = "単独の電圧降下計算";
    static constexpr std::string_view Button12Caption = "電流値とケーブルサイズ等のチェック";
    static constexpr std::string_view Button14Caption = "許容電圧降下の計算";
    static constexpr std::string_view Button2Caption = "負荷容量から計算";
    static constexpr std::string_view RadioButton3Caption = "1系統";
    static constexpr std::string_view RadioButton4Caption = "2系統";
    static constexpr std::string_view MainDeviceOff = "無し";
    static constexpr std::string_view MainDeviceOn = "ﾌﾞﾚｰｶｰ表示";

    // ---- common area
    std::string Edit1;                        // No. (not written back)
    std::string Edit2 = "L1";                 // feeder number or name
    bool Button1Enabled = true;               // "住宅幹線"
    std::string ComboBox13 = "電灯・コンセント";  // load kind
    std::vector<std::string> ComboBox13Items;
    std::string Edit4 = "0.95";               // power factor
    std::string Edit8;                        // cable designation
    std::string Edit9;                        // allowable current
    std::string Edit10 = "Z";                 // impedance
    std::string Edit11 = "3";                 // percentage
    std::string Edit6 = "200";                // reference voltage
    std::string Edit12;                       // remarks

    // ---- which area shows: single feeder (mode 1) or dwelling feeder (mode 2)
    bool SingleAreaVisible = true;
    bool DwellingAreaVisible = false;
    int mode() const { return DwellingAreaVisible ? 2 : 1; }

    // ---- single-feeder area
    std::string ComboBox2 = "単相3線";  // system
    std::string ComboBox3 = "100/200";  // voltage
    std::string ComboBox4 = "50";       // breaker rating
    std::string Edit5 = "50";           // design current
    std::string ComboBox11 = "50";      // main device rating
    bool ComboBox11Visible = true;
    bool MainDevicePictureVisible = false;  // small picture when the main device is off
    std::string Button3 = std::string(MainDeviceOff);
    std::string Label40;                // "計算電流値:" + current + " A"
    std::string ComboBox5 = "50";       // length
    std::string Edit7;                  // load name

    // ---- dwelling-feeder area
    std::string ComboBox7 = "単相3線";  // system
    std::string ComboBox8 = "100/200";  // voltage
    std::string ComboBox10 = "50";      // trunk length
    std::string Edit3 = "250";          // trunk design current
    bool Edit3Enabled = true;
    std::string ComboBox9 = "250";      // trunk breaker rating
    std::string ComboBox6 = "3";        // length between branch points
    std::string ComboBox12 = "50";      // main device rating of each dwelling
    std::string ComboBox15 = "50";      // design current of each dwelling
    bool RadioButton3 = true;           // one system of dwellings
    bool RadioButton4 = false;          // two systems
    std::string ComboBox1 = "5";        // dwellings on the first system
    std::string ComboBox17 = "4";       // dwellings on the second system
    bool ComboBox17Visible = false;

    // Items shared by the lists of the two areas.
    std::vector<std::string> SystemItems, VoltageItems, RatingItems, LengthItems, SegmentLengthItems,
        DwellingItems;

    // ---- handlers (the shared ones are EntryForm's)
    void FormShow();
    void Button6Click();   // "単独幹線"
    void Button1Click();   // "住宅幹線"
    void ComboBox2Change();
    void ComboBox7Change();
    void ComboBox3Change();  // chosen or typed and left
    void ComboBox8Change();
    void ComboBox13Change();
    void Edit4Change();    // power factor typed and left
    void Edit5Change();    // design current typed and left
    void Edit3Change();    // trunk design current typed and left
    void ComboBox5Change();
    void ComboBox10Change();
    void Button15Click();  // keypad into the single-feeder length
    void Button16Click();  // keypad into the trunk length
    void Button17Click();  // keypad into the segment length
    void Edit5MouseDown(); // keypad into the design current
    void Edit3MouseDown(); // keypad into the trunk design current
    void ComboBox11Change();
    void Button2Click();   // "負荷容量から計算"
    void Button3Click();   // "無し" / "ﾌﾞﾚｰｶｰ表示"
    void RadioButton3Click();
    void RadioButton4Click();
    void ComboBox1Change();
    void ComboBox17Change();
    void ComboBox15Change();
    void Button12Click() override;  // cable check
    void Button13Click();           // automatic breaker choice
    void Button14Click() override;  // allowable drop
    void Button7Click();            // dwelling-feeder design current
    void Button4Click();            // "登録"
    void Button18Click();           // "ケーブル自動選定"

    // A double-click on one of the clearing controls; false for other names.
    bool DblClick(std::string_view control);

protected:
    CableFields cableFields() override { return {Edit8, Edit9, Edit10}; }
    std::string_view feederSystem() const override { return ComboBox2; }
    bool runImpedance() override;
    bool runDrop() override;

private:
    void referenceVoltageOfShownSystem();

    TForm5& calculator_;
};

}  // namespace tolvane
