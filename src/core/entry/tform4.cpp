#include "entry/tform4.h"

#include "app/tform1.h"
#include "cables/tdensen.h"
#include "calc/checks.h"
#include "entry/cable_call.h"
#include "entry/entry_steps.h"
#include "entry/tform2.h"
#include "entry/tform3.h"
#include "host/host.h"
#include "sheet/tree_marks.h"
#include "text/numbers.h"

namespace tolvane {

TForm4::TForm4(TForm1& form1, TForm2& feederForm, Tdensen& densen, TForm3& keypad)
    : form1_(form1), feederForm_(feederForm), densen_(densen), keypad_(keypad)
{
    ComboBox6Items = numberItems(1, 100);
    ComboBox1Items = numberItems(1, 20);
    ComboBox1Items.insert(ComboBox1Items.begin(), "");
    ComboBox2Items = textItems({"", "階", "Ｆ", "棟", "部屋", "工区"});
    RatingItems = ratingItems();
    ComboBox14Items = textItems({"気中暗渠配線", "保護管配線", "地中保護管配線", "ｹｰﾌﾞﾙﾗｯｸ配線(気中)", "ｹｰﾌﾞﾙﾗｯｸ配線(蓋付)"});
    ComboBox16Items = textItems({"H=300", "H=600", "H=1200"});
}

namespace {

int patOf(std::string_view treeMark)
{
    switch (rowKindOf(treeMark)) {
    case RowKind::Head:
        return 4;
    case RowKind::BranchPoint:
        return 3;
    case RowKind::Segment:
        return 2;
    case RowKind::Branch:
    case RowKind::LastBranch:
        return 1;
    case RowKind::SingleOrEmpty:
        break;
    }
    return 0;
}

}  // namespace

void TForm4::loadSupply()
{
    RadioButton1 = form1_.supply.kind == SupplyKind::Transformer;
    RadioButton2 = form1_.supply.kind == SupplyKind::Utility;
    RadioButton5 = form1_.supply.kind == SupplyKind::GivenPercent;
    Edit13 = form1_.supply.percent;
}

void TForm4::storeSupply()
{
    form1_.supply.kind = supplyKindOf(RadioButton2, RadioButton5);
    form1_.supply.percent = Edit13;
}

void TForm4::FormShow()
{
    modalResult = ModalResult::None;
    loadSupply();
    // A cable chosen in an earlier, cancelled editing must not be applied here.
    Label56 = kNoR;
    Label57 = kNoX;

    CheckBox1 = false;
    MainDeviceCompact = false;
    pat = patOf(Edit4);
    if (firstSegmentMark && Edit4 == mark::Segment) pat = 3;
    Label15Visible = false;

    Edit8Visible = pat == 4;
    ConnectorBoxVisible = pat == 1;
    LengthBesideDrawing = pat == 2 || pat == 3;
    if (pat == 3 && firstSegmentMark) {
        // A branch breaker on the trunk is entered as the main device rating.
        MainDeviceCompact = true;
        Label15Visible = true;
    }
    firstSegmentMark = false;

    if (ComboBox14.empty()) ComboBox14 = "気中暗渠配線";
    if (Edit11.empty()) Edit11 = "0";
    if (Edit12.empty()) Edit12 = kNoZ;

    MethodLayout layout = methodLayoutOf(ComboBox14);
    ComboBox16Visible = layout.depthVisible;
    Button11Lower = layout.cableButtonLower;
    Label58 = layout.note;

    try {
        Button10Click();
        Button14Click();
    } catch (const ConversionError& e) {
        if (host) host->reportError(e.what());
    }
    resetFamilyPrompt(densen_);

    switch (form1_.ux1) {
    case 4:
        ActiveControl = "Edit8";
        break;
    case 6:
        ActiveControl = "Button16";
        break;
    case 7:
        ActiveControl = "Edit5";
        break;
    case 8:
        if (pat == 4)
            ActiveControl = "Edit8";
        else if (pat == 1)
            ActiveControl = "ComboBox12";
        break;
    case 10:
        ActiveControl = "Edit6";
        break;
    case 11:
        ActiveControl = "Button11";
        break;
    default:
        break;
    }
    MainDevicePictureVisible = !ComboBox12.empty();
}

bool TForm4::runDrop()
{
    return dropStep(host, ActiveControl,
                    {Edit2, ComboBox15, "ComboBox15", msg::EnterDesignCurrent, ComboBox6, "ComboBox6",
                     msg::EnterLength, Edit12, Label60});
}

void TForm4::Button10Click() { runDrop(); }

void TForm4::Button9Click() { impedanceStep(host, ActiveControl, {Label56, Label57, Edit6, "Edit6", Edit12}); }

void TForm4::Button14Click()
{
    // The band length runs from the feeder's origin to the end of this row;
    // without the accumulated length it is 1 m.
    double l = hasValue(Label10) ? parseDecimal(ComboBox6) + parseDecimal(Label10) : 1;
    allowableDropStep({supplyKindOf(RadioButton2, RadioButton5), Edit13}, l, Edit13, Edit7, Label70);
    storeSupply();
}

void TForm4::Button12Click()
{
    if (auto warning = CheckCableCurrent(Edit11, ComboBox15, Edit10)) {
        if (host) host->informYes(*warning);
        Button11Click();
    }
}

void TForm4::Button11Click()
{
    densen_.cableChosen = false;
    Button8Click();
    if (densen_.cableChosen) {
        Button9Click();
        Button10Click();
        Button12Click();
        Button14Click();
    }
    densen_.cableChosen = false;
}

void TForm4::Button8Click()
{
    int top = Top;
    Top = -3000;
    CableCaller caller{2, ComboBox14, ComboBox16, feederForm_.ComboBox2, form1_.frequency()};
    std::optional<CableHandBack> handBack = showCableWindow(host, densen_, caller);
    Top = top;
    if (handBack) {
        Edit10 = handBack->cable;
        Edit11 = handBack->allowable;
        Label56 = handBack->r;
        Label57 = handBack->x;
        Label43 = handBack->size;
    }
}

void TForm4::ComboBox14Change()
{
    MethodLayout layout = methodLayoutOf(ComboBox14);
    ComboBox16Visible = layout.depthVisible;
    Button11Lower = layout.cableButtonLower;
    ActiveControl = "Button11";
    if (layout.opensCableWindow) Button11Click();
}

void TForm4::ComboBox16Change() { Button11Click(); }

void TForm4::ComboBox6Change()
{
    Button10Click();
    Button14Click();
}

void TForm4::Button16Click()
{
    keypad_.FormShow();
    if (host) host->showKeypad(keypad_);
    ComboBox6 = keypad_.Edit1;
    Button10Click();
    Button14Click();
}

void TForm4::ComboBox15Change()
{
    MainDeviceCheck check = CheckMainDevice(ComboBox12, ComboBox15);
    switch (check.action) {
    case MainDeviceAction::Nothing:
        break;
    case MainDeviceAction::TakeDesignValue:
        ComboBox12 = ComboBox15;
        break;
    case MainDeviceAction::Ask:
        if (!(host && host->ask(check.question))) ComboBox12 = ComboBox15;
        ActiveControl = "Button4";
        break;
    }
}

void TForm4::ComboBox12Change() { MainDevicePictureVisible = !ComboBox12.empty(); }

void TForm4::Button1Click()
{
    ComboBox12.clear();
    MainDevicePictureVisible = false;
}

void TForm4::RadioButton1Click()
{
    RadioButton1 = true;
    RadioButton2 = RadioButton5 = false;
    Button14Click();
}

void TForm4::RadioButton2Click()
{
    RadioButton2 = true;
    RadioButton1 = RadioButton5 = false;
    Button14Click();
}

void TForm4::RadioButton5Click()
{
    RadioButton5 = true;
    RadioButton1 = RadioButton2 = false;
    Button14Click();
}

void TForm4::Edit13Change() { storeSupply(); }

void TForm4::Edit2MouseDown() { ActiveControl = "Button11"; }
void TForm4::Edit3MouseDown() { ActiveControl = "Button11"; }
void TForm4::Edit4MouseDown() { ActiveControl = "Button11"; }
void TForm4::ComboBox1MouseEnter() { ActiveControl = "Edit5"; }

void TForm4::Button4Click()
{
    if (Edit12 == kNoZ) {
        if (host) host->informYes(msg::ChooseCable);
        return;
    }
    if (!hasValue(ComboBox15)) {
        if (host) host->informYes(msg::EnterDesignLoadCurrent);
        ActiveControl = "ComboBox15";
        return;
    }
    Button9Click();
    // A missing length is told by the drop step; recording waits for it.
    if (!runDrop()) return;
    Button12Click();
    Button14Click();
    Label56 = kNoR;
    Label57 = kNoX;
    if (!tellDropVerdict(host, judgeDrop(Label60, Label70))) return;
    modalResult = ModalResult::Ok;
}

void TForm4::Button5Click() { modalResult = ModalResult::Cancel; }

void TForm4::FormClose() { modalResult = ModalResult::Cancel; }

bool TForm4::DblClick(std::string_view control)
{
    std::string* field = control == "Edit1"        ? &Edit1
                         : control == "Edit5"      ? &Edit5
                         : control == "Edit6"      ? &Edit6
                         : control == "Edit8"      ? &Edit8
                         : control == "Edit9"      ? &Edit9
                         : control == "ComboBox1"  ? &ComboBox1
                         : control == "ComboBox2"  ? &ComboBox2
                         : control == "ComboBox12" ? &ComboBox12
                                                   : nullptr;
    if (!field) return false;
    field->clear();
    return true;
}

}  // namespace tolvane
