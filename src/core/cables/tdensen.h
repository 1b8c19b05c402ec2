// The cable selection window "電線・ケーブル選択フォーム": the user picks a
// cable family, type and size; the window corrects the catalogue's allowable
// current for the laying condition, ambient temperature, wire count and
// grouping, and hands the cable text, R and X at the sheet's frequency, the
// allowable current and the size back to the entry form that opened it.
//
// The window is created once and keeps every control's state between uses.
// Members mirror its controls; methods are its event handlers. A view shows
// the members and forwards the user's events to the handlers.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cables/cable_handback.h"
#include "cables/impedance.h"
#include "cables/text_grid.h"

namespace tolvane {

class Host;

class Tdensen {
public:
    Tdensen();

    // Where messages go; may be null (then nothing is shown).
    Host* host = nullptr;

    // --- Fixed texts of the window ------------------------------------------
    static constexpr std::string_view kCaption = "電線・ケーブル選択フォーム";
    static constexpr std::string_view kTitle = "電線・ケーブルの選択";
    static constexpr std::string_view kFamilyPrompt = "※右端の▼をクリックして使用する電線を選択して下さい。";
    static constexpr std::string_view kTypePrompt = "ｹｰﾌﾞﾙ種別";
    static constexpr std::string_view kSizePrompt = "断面積";
    static constexpr std::string_view kSizeUnit = "m㎡";
    static constexpr std::string_view kAllowableCaption = "許容電流";
    static constexpr std::string_view kAllowableUnit = "Ａ";
    static constexpr std::string_view kInstruction = "↓電線を選んでダブルクリックして下さい。";
    static constexpr std::string_view kNoteCaption = "交流導体抵抗温度条件";
    static constexpr std::string_view kLayingTemperature = "温度";
    static constexpr std::string_view kLayingMaximum = "常時許容温度90℃";
    static constexpr std::string_view kConduitCaption1 = "配管収容時の　";
    static constexpr std::string_view kConduitCaption2 = "許容電流　";
    static constexpr std::string_view kConduitBase = "基本温度30℃";
    static constexpr std::string_view kConduitMaximum = "常時許容温度60℃";
    static constexpr std::string_view kGroupingCaption = "低減率";

    // Messages.
    static constexpr std::string_view kNotInTable = "この電線・ケーブルは許容電流表にありません";
    static constexpr std::string_view kNoCurrent = "許容電流が求められていません。配線方式と周囲温度を確認して下さい。";
    static constexpr std::string_view kBadLayingAmbient = "周囲温度は90℃以下の数値を入力して下さい。";
    static constexpr std::string_view kBadConduitAmbient = "周囲温度は60℃以下の数値を入力して下さい。";
    static constexpr std::string_view kBadFactor = "低減率は0以上の数値を入力して下さい。";

    // --- Controls -----------------------------------------------------------
    std::string Caption{kCaption};  // the window's title

    // Family list, type list, size field and allowable-current display.
    std::string ComboBox11{kFamilyPrompt};
    std::vector<std::string> ComboBox11Items;
    std::string ComboBox3{kTypePrompt};
    std::vector<std::string> ComboBox3Items;
    std::string Edit10{kSizePrompt};
    std::string Label22;
    std::string Label166;  // conductor temperature of the resistances: "(90℃)" ...

    // Impedance panel and grid: 5 columns, 28 rows, rows 0 and 1 headings.
    bool Panel21Visible = false;
    TextGrid StringGrid7{5, 28};

    // Laying panel: laying condition and ambient temperature of CV-type cables.
    bool Panel5Visible = true;
    bool RadioButton8 = false;  // 気中暗渠布設
    bool RadioButton9 = false;  // 気中暗渠 (管路内布設)
    bool RadioButton10 = false; // 埋設管路布設
    bool RadioButton8Visible = true;  // each button is shown together with its note
    bool RadioButton9Visible = true;
    bool RadioButton10Visible = true;
    std::string Label12 = "基本温度40℃";
    std::string ComboBox2 = "40";  // ambient temperature
    std::vector<std::string> ComboBox2Items;
    bool ComboBox2Visible = true;

    // IV conduit panel: number of wires and ambient temperature.
    bool Panel3Visible = false;
    bool RadioButton1 = true;  // ３本以下
    bool RadioButton2 = false;
    bool RadioButton3 = false;
    bool RadioButton4 = false;
    bool RadioButton5 = false;
    bool RadioButton6 = false;
    bool RadioButton7 = false;
    std::string ComboBox1 = "30";
    std::vector<std::string> ComboBox1Items;
    bool ComboBox1Visible = true;

    // Grouping panel: tiers, cables per tier, spacing and the reduction factor.
    bool Panel1Visible = false;
    std::string ComboBox5 = "1";
    std::vector<std::string> ComboBox5Items;
    std::string ComboBox4 = "1";
    std::vector<std::string> ComboBox4Items;
    std::string ComboBox6 = "S=d";
    std::vector<std::string> ComboBox6Items;
    std::string Edit1 = "1.00";

    // Catalogue panel, outside the visible area: the loaded family table.
    // 8 columns, row 0 headings.
    TextGrid StringGrid2{8, 2};
    int StringGrid2Row = 1;     // current row
    int StringGrid2TopRow = 1;
    bool Label17Visible = false;
    bool Label18Visible = false;
    std::string Label17;
    std::string Label18;

    // The control that has the input focus, by name.
    std::string ActiveControl;

    // --- Fields -------------------------------------------------------------
    int patt = 0;    // calling form: 1 feeder entry form, 2 branch entry form, 0 neither
    int densen = 0;  // loaded catalogue table: 1 CV, 2 CVT, 0 any other
    int Radio = 0;   // remembered laying condition: 1, 2, 3; 0 none
    int ux7 = 0;     // impedance-grid cell under the pointer
    int uy7 = 0;
    int uyy7 = 0;    // impedance-grid row of the last click
    int uy2 = 0;     // catalogue row found by the last lookup, 0 none

    // What the caller told the last activation.
    CableCaller caller;

    // Set by a hand-back; the entry forms clear it before opening the window.
    bool cableChosen = false;
    // The hand-back of this showing, if any.
    std::optional<CableHandBack> handBack;
    // The window is to close (after a hand-back or the close box).
    bool closeRequested = false;

    // --- Handlers -----------------------------------------------------------
    // Activation, each time an entry form shows the window.
    void FormActivate(const CableCaller& from);
    // The close box: the window closes without a hand-back.
    void FormCloseBox();

    // Family display ("DATAの表示"): shows the family named by the list's text.
    void Button1Click();
    void ComboBox11Change();

    // Family table loads of the catalogue panel.
    void Button8Click();   // IV
    void Button9Click();   // CV
    void Button10Click();  // CVT
    void Button12Click();  // FP
    void Button16Click();  // VVF , VV

    // Temperature recomputation of the CV and CVT tables.
    void Button4Click();
    void ComboBox2Click() { Button4Click(); }
    // IV wire in conduit: wire count and ambient temperature.
    void RadioButton1Click();
    void ComboBox1Click() { RadioButton1Click(); }
    // Selects radio button n (1..10) as a click would; its click behaviour
    // runs when the selection changes.
    void selectRadioButton(int n);

    // Grouping reduction factor from the grouping lists.
    void Button3Click();
    void ComboBox4Click() { Button3Click(); }
    // Rebuild the cables-per-tier list after a change of tiers or spacing.
    void ComboBox5Click();
    void ComboBox6Click();

    // Lookup of the picked size and the allowable-current display.
    void Button2Click();

    // Picking a size in the impedance grid.
    void StringGrid7MouseMove(int col, int row);
    void StringGrid7Click();
    // Hands the picked cable back and closes; nothing (with a message) when
    // no allowable current belongs to the row.
    std::optional<CableHandBack> StringGrid7DblClick();

    // --- For the entry forms and scripted use -------------------------------
    bool familyListShowsPrompt() const { return ComboBox11 == kFamilyPrompt; }
    // Sets the family list to its first entry without running its change operation.
    void selectFirstFamily();
    // The impedance-grid row whose size is `size`; 0 when none.
    int sizeRow(std::string_view size) const;
    // The user moves to row `row` of the impedance grid and clicks it.
    void clickSizeRow(int row);

private:
    bool* radioButton(int n);
    void loadCatalogue(std::span<const CatalogueRow> rows, int kind);
    void showCorrectionPanel(CorrectionPanel panel);
    void inform(std::string_view text) const;
    std::optional<double> factor() const;
    std::optional<double> catalogueCurrent() const;

    // The ambient temperatures the shown currents were last computed for.
    std::string acceptedLayingAmbient_ = "40";
    std::string acceptedConduitAmbient_ = "30";
};

}  // namespace tolvane
