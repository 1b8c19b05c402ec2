#include "entry/tform4.h"

#include "app/tform1.h"
#include "calc/checks.h"
#include "entry/cable_sizing.h"
#include "entry/entry_steps.h"
#include "entry/tform2.h"
#include "host/host.h"
#include "sheet/tree_marks.h"
#include "sizing/trial_feeder.h"
#include "text/numbers.h"

namespace tolvane {

TForm4::TForm4(TForm1& form1, TForm2& feederForm, Tdensen& densen, TForm3& keypad)
    : EntryForm(form1, densen, keypad, 2, false), feederForm_(feederForm)
{
    ComboBox6Items = numberItems(1, 100);
    ComboBox1Items = numberItems(1, 20);
    ComboBox1Items.insert(ComboBox1Items.begin(), "");
    ComboBox2Items = textItems({"", "階", "Ｆ", "棟", "部屋", "工区"});
    RatingItems = ratingItems();
    ComboBox14 = "気中暗渠配線";
    ComboBox14Items = textItems({"気中暗渠配線", "保護管配線", "地中保護管配線", "ｹｰﾌﾞﾙﾗｯｸ配線(気中)", "ｹｰﾌﾞﾙﾗｯｸ配線(蓋付)"});
}

std::string_view TForm4::feederSystem() const { return feederForm_.ComboBox2; }

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
    startShowing();
    loadSupply();

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

    showMethodLayout(true);

    try {
        Button10Click();
        Button14Click();
    } catch (const ConversionError& e) {
        if (host) host->reportError(e.what());
    }

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

bool TForm4::runImpedance()
{
    return impedanceStep(host, ActiveControl, {Label56, Label57, Edit6, "Edit6", Edit12});
}

void TForm4::Button14Click()
{
    // The band length runs from the feeder's origin to the end of this row;
    // without the accumulated length it is 1 m.
    double l = hasValue(Label10) ? parseDecimal(ComboBox6) + parseDecimal(Label10) : 1;
    allowableDropStep({supplyKindOf(RadioButton2, RadioButton5), Edit13}, l, Edit13, Edit7, Label70);
    storeSupply();
}

void TForm4::Button12Click() { checkCable(Edit11, ComboBox15, Edit10); }

void TForm4::afterCableChosen()
{
    EntryForm::afterCableChosen();
    Button14Click();
}

// The feeder of the edited row, with the row as the form holds it and the
// given cable, judged as the sheet judges it. Nothing to judge when the form
// was not opened on a row of the feeder range.
std::vector<TrialFailure> TForm4::judgeFeeder(const CableHandBack& size, const std::string& impedance) const
{
    const Sheet& sheet = form1_.StringGrid1;
    const int row = form1_.uy1;
    if (row < form1_.s1 || row > form1_.e1 || sheet.cell(col::Mark, row) != Edit4) return {};
    TrialFeeder feeder(sheet, {form1_.s1, form1_.e1});
    const int r = row - form1_.s1;
    feeder.rows().setCell(col::Breaker, 0, Edit8);
    feeder.rows().setCell(col::Length, r, ComboBox6);
    feeder.rows().setCell(col::Current, r, ComboBox15);
    feeder.rows().setCell(col::PowerFactor, r, Edit6);
    feeder.setCable(r, size, impedance);
    const int runs[] = {r};
    return feeder.judge(form1_.supply, runs);
}

void TForm4::Button18Click()
{
    const CableFamily* family = familyToSize(densen_, host);
    if (!family) return;
    const std::vector<CableHandBack> sizes = sizesToTry(densen_, cableCaller(), *family, Edit10, Edit2);
    // A size must leave the feeder no worse than the largest size would: the
    // failures the largest leaves no size of this run can mend.
    std::vector<TrialFailure> unavoidable;
    if (!sizes.empty()) {
        TForm4 largest = *this;
        largest.host = nullptr;
        largest.takeSizeWithImpedance(sizes.back(), largest.Edit12);
        unavoidable = judgeFeeder(sizes.back(), largest.Edit12);
    }
    auto trySize = [&](TForm4& trial, const CableHandBack& size) {
        if (!trial.takeTrialSize(size, trial.Edit12)) return SizeTrial::Stop;
        const bool passes = dropMayBeRecorded(trial.Label60, trial.Label70) &&
                            !CheckCableCurrent(trial.Edit11, ComboBox15, trial.Edit10) &&
                            noWorseThan(judgeFeeder(size, trial.Edit12), unavoidable);
        return passes ? SizeTrial::Passes : SizeTrial::Fails;
    };
    takeFoundSize(firstPassingSize(*this, sizes, trySize));
}

void TForm4::ComboBox6Change()
{
    Button10Click();
    Button14Click();
}

void TForm4::Button16Click()
{
    if (!keypadInto(ComboBox6)) return;
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
    inputsChanged();  // the drop follows the design current
}

void TForm4::Edit6Change() { inputsChanged(); }

void TForm4::ComboBox12Change() { MainDevicePictureVisible = !ComboBox12.empty(); }

void TForm4::Button1Click()
{
    ComboBox12.clear();
    MainDevicePictureVisible = false;
}

void TForm4::Edit13Change() { storeSupply(); }

void TForm4::Edit2MouseDown() { ActiveControl = "Button11"; }
void TForm4::Edit3MouseDown() { ActiveControl = "Button11"; }
void TForm4::Edit4MouseDown() { ActiveControl = "Button11"; }
void TForm4::ComboBox1MouseEnter() { ActiveControl = "Edit5"; }

void TForm4::Button4Click()
{
    if (recordChecks(Edit12, ComboBox15, "ComboBox15")) modalResult = ModalResult::Ok;
}

bool TForm4::DblClick(std::string_view control)
{
    return clearOnDoubleClick(control, {{"Edit1", &Edit1},
                                        {"Edit5", &Edit5},
                                        {"Edit6", &Edit6},
                                        {"Edit8", &Edit8},
                                        {"Edit9", &Edit9},
                                        {"ComboBox1", &ComboBox1},
                                        {"ComboBox2", &ComboBox2},
                                        {"ComboBox12", &ComboBox12}});
}

}  // namespace tolvane
