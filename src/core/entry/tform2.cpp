#include "entry/tform2.h"

#include "app/tform1.h"
#include "calc/breaker.h"
#include "calc/checks.h"
#include "calc/electrical_system.h"
#include "entry/cable_sizing.h"
#include "entry/entry_steps.h"
#include "entry/tform5.h"
#include "host/host.h"
#include "text/exact_decimal.h"
#include "text/numbers.h"

namespace tolvane {

TForm2::TForm2(TForm1& form1, Tdensen& densen, TForm3& keypad, TForm5& calculator)
    : EntryForm(form1, densen, keypad, 1, true), calculator_(calculator)
{
    ComboBox13Items = textItems({"電灯・コンセント", "電動機(ｺﾝﾃﾞﾝｻ有)", "電動機(ｺﾝﾃﾞﾝｻ無)"});
    ComboBox14 = "ｹｰﾌﾞﾙﾗｯｸ配線(気中)";
    ComboBox14Items = textItems({"ｹｰﾌﾞﾙﾗｯｸ配線(気中)", "ｹｰﾌﾞﾙﾗｯｸ配線(蓋付)", "気中暗渠配線", "保護管配線", "地中保護管配線"});
    SystemItems = {std::begin(kSystemList), std::end(kSystemList)};
    VoltageItems = {std::begin(kVoltageList), std::end(kVoltageList)};
    RatingItems = ratingItems();
    LengthItems = numberItems(1, 1000);
    SegmentLengthItems = numberItems(1, 100);
    DwellingItems = numberItems(1, 50);
}

void TForm2::FormShow()
{
    startShowing();
    Label40.clear();

    // The main device box follows the edited row's main device rating.
    if (hasValue(form1_.StringGrid1.cell(8, form1_.uy1))) {
        ComboBox11Visible = true;
        MainDevicePictureVisible = false;
        Button3 = MainDeviceOff;
    } else {
        ComboBox11.clear();
        ComboBox11Visible = false;
        MainDevicePictureVisible = true;
        Button3 = MainDeviceOn;
    }

    // The system decides the voltage shown, whatever the row held.
    const std::string& system = mode() == 1 ? ComboBox2 : ComboBox7;
    if (auto v = DefaultVoltage(system)) {
        (mode() == 1 ? ComboBox3 : ComboBox8) = v->voltage;
        Edit6 = v->referenceVoltage;
    }

    try {
        Button14Click();
    } catch (const ConversionError& e) {
        if (host) host->reportError(e.what());
    }

    if (form1_.ux1 == 1)
        ActiveControl = "Edit2";
    else if (form1_.ux1 == 7)
        ActiveControl = "Edit7";
    showMethodLayout(true);
}

void TForm2::Button6Click()
{
    SingleAreaVisible = true;
    DwellingAreaVisible = false;
    referenceVoltageOfShownSystem();
    Button14Click();
}

void TForm2::Button1Click()
{
    Edit3Enabled = false;
    SingleAreaVisible = false;
    DwellingAreaVisible = true;
    referenceVoltageOfShownSystem();
    Button14Click();
}

void TForm2::referenceVoltageOfShownSystem()
{
    // Each area has its own system list; the allowable drop is judged
    // against the reference voltage of the one shown.
    if (auto v = DefaultVoltage(mode() == 1 ? ComboBox2 : ComboBox7)) Edit6 = v->referenceVoltage;
}

void TForm2::ComboBox2Change()
{
    if (auto v = DefaultVoltage(ComboBox2)) {
        ComboBox3 = v->voltage;
        Edit6 = v->referenceVoltage;
    }
    Button14Click();
    inputsChanged();  // the drop follows the system's coefficient
    ActiveControl = "Button6";
}

void TForm2::ComboBox7Change()
{
    if (auto v = DefaultVoltage(ComboBox7)) {
        ComboBox8 = v->voltage;
        Edit6 = v->referenceVoltage;
    }
    Button14Click();
    inputsChanged();
}

void TForm2::ComboBox3Change()
{
    Edit6 = ReferenceVoltageOf(ComboBox3);
    ActiveControl = "Button6";
    Button14Click();
}

void TForm2::ComboBox8Change()
{
    Edit6 = ReferenceVoltageOf(ComboBox8);
    ActiveControl = "Button6";
    Button14Click();
}

void TForm2::ComboBox13Change()
{
    if (auto pf = LoadKindPowerFactor(ComboBox13)) Edit4 = *pf;
    inputsChanged();
}

void TForm2::Edit4Change() { inputsChanged(); }

void TForm2::Edit5Change() { inputsChanged(); }

void TForm2::Edit3Change() { inputsChanged(); }

void TForm2::ComboBox5Change()
{
    Button14Click();
    Button10Click();
    Button14Click();
}

void TForm2::ComboBox10Change()
{
    Button10Click();
    Button14Click();
}

void TForm2::Button15Click()
{
    if (!keypadInto(ComboBox5)) return;
    Button10Click();
    Button14Click();
}

void TForm2::Button16Click()
{
    if (!keypadInto(ComboBox10)) return;
    Button10Click();
    Button14Click();
}

void TForm2::Button17Click()
{
    if (!keypadInto(ComboBox6)) return;
    Button10Click();
    Button14Click();
}

void TForm2::Edit5MouseDown()
{
    if (!keypadInto(Edit5)) return;
    Button10Click();
}

void TForm2::Edit3MouseDown()
{
    if (!keypadInto(Edit3)) return;
    Button10Click();
}

void TForm2::ComboBox11Change()
{
    Edit5 = ComboBox11;
    Button13Click();
    Button10Click();
}

void TForm2::Button2Click()
{
    calculator_.FormShow();
    if (mode() == 1)
        calculator_.startOn(ComboBox2, ComboBox3);
    else
        calculator_.startOn(ComboBox7, ComboBox8);
    if (host) host->showCalculator(calculator_);
    // Closed without a current: the form keeps its own.
    if (calculator_.modalResult != ModalResult::Ok || !hasValue(calculator_.Label1)) return;
    // The current as the calculator wrote it, rounded as on paper.
    std::string whole = formatShortest(ExactDecimal::parse(calculator_.Label1).roundHalfEven());
    ComboBox11 = SelectBreakerRating(parseDecimal(whole));
    Label40 = "計算電流値:" + whole + " A";
    Edit5 = whole;
    Button13Click();
    Button10Click();
}

void TForm2::Button3Click()
{
    if (Button3 == MainDeviceOff) {
        ComboBox11.clear();
        ComboBox11Visible = false;
        MainDevicePictureVisible = true;
        Button3 = MainDeviceOn;
    } else {
        ComboBox11 = ComboBox4;
        ComboBox11Visible = true;
        MainDevicePictureVisible = false;
        Button3 = MainDeviceOff;
    }
}

void TForm2::RadioButton3Click()
{
    RadioButton3 = true;
    RadioButton4 = false;
    ComboBox17Visible = false;
    form1_.keitou = 1;
    Button7Click();
}

void TForm2::RadioButton4Click()
{
    RadioButton3 = false;
    RadioButton4 = true;
    ComboBox17Visible = true;
    form1_.keitou = 2;
    Button7Click();
}

void TForm2::ComboBox1Change() { Button7Click(); }
void TForm2::ComboBox17Change() { Button7Click(); }
void TForm2::ComboBox15Change() { Button7Click(); }

void TForm2::Button18Click()
{
    const CableFamily* family = familyToSize(densen_, host);
    if (!family) return;
    const bool single = mode() == 1;
    const std::string& current = single ? Edit5 : Edit3;
    const std::string& rating = single ? ComboBox4 : ComboBox9;
    auto trySize = [&](TForm2& trial, const CableHandBack& size) {
        if (!trial.takeTrialSize(size, trial.Edit10)) return SizeTrial::Stop;
        const bool passes = dropMayBeRecorded(trial.Label60, trial.Label70) &&
                            !CheckCableCurrent(trial.Edit9, current, trial.Edit8) &&
                            !(hasValue(rating) && CheckBreakerAgainstCable(trial.Edit9, rating));
        return passes ? SizeTrial::Passes : SizeTrial::Fails;
    };
    const std::string& system = single ? ComboBox2 : ComboBox7;
    takeFoundSize(firstPassingSize(*this, sizesToTry(densen_, cableCaller(), *family, Edit8, system), trySize));
}

bool TForm2::runImpedance()
{
    return impedanceStep(host, ActiveControl, {Label56, Label57, Edit4, "Edit4", Edit10});
}

bool TForm2::runDrop()
{
    if (mode() == 1)
        return dropStep(host, ActiveControl,
                        {ComboBox2, Edit5, "Edit5", msg::EnterDesignCurrent, ComboBox5, "ComboBox5",
                         msg::EnterFeederLength, Edit10, Label60});
    return dropStep(host, ActiveControl,
                    {ComboBox7, Edit3, "Edit3", msg::EnterDesignCurrent, ComboBox10, "ComboBox10",
                     msg::EnterFeederLength, Edit10, Label60});
}

void TForm2::Button12Click() { checkCable(Edit9, mode() == 1 ? Edit5 : Edit3, Edit8); }

void TForm2::Button13Click()
{
    // Without a design current there is nothing to choose from.
    if (!hasValue(Edit5)) return;
    ComboBox4 = SelectBreakerRating(parseDecimal(Edit5));
}

void TForm2::Button14Click()
{
    const std::string& length = mode() == 1 ? ComboBox5 : ComboBox10;
    // The band length is read with its decimals, as the branch form reads it.
    double l = hasValue(length) ? parseDecimal(length) : 1;
    allowableDropStep({supplyKindOf(RadioButton2, RadioButton5), Edit11}, l, Edit11, Edit6, Label70);
}

void TForm2::Button7Click()
{
    ExactDecimal dwellings = ExactDecimal::parse(ComboBox1);
    if (RadioButton4) dwellings += ExactDecimal::parse(ComboBox17);
    DwellingCurrent d = DwellingFeederCurrent(dwellings, ExactDecimal::parse(ComboBox15));
    ComboBox9 = d.breaker;
    Edit3 = d.shown;
}

void TForm2::Button4Click()
{
    const int recorded = mode();
    // The length between branch points goes into every segment row generated.
    if (recorded == 2 && hasValue(ComboBox6) &&
        !usable(host, ActiveControl, RunValue::Length, parseDecimal(ComboBox6), "ComboBox6"))
        return;
    if (!recordChecks(Edit10, recorded == 1 ? Edit5 : Edit3, recorded == 1 ? "Edit5" : "Edit3")) return;
    const std::string& rating = recorded == 1 ? ComboBox4 : ComboBox9;
    if (auto question = CheckBreakerAgainstCable(Edit9, rating)) {
        if (host && host->ask(*question)) {
            ActiveControl = "Button4";
            return;
        }
    }
    form1_.patan = static_cast<std::int16_t>(recorded);
    // Once a feeder is recorded its cables are of one frequency.
    form1_.frequencyEnabled = false;
    modalResult = ModalResult::Ok;
}

bool TForm2::DblClick(std::string_view control)
{
    return clearOnDoubleClick(control, {{"Edit2", &Edit2},
                                        {"Edit4", &Edit4},
                                        {"Edit8", &Edit8},
                                        {"Edit9", &Edit9},
                                        {"Edit10", &Edit9},  // clears the allowable current, not Z
                                        {"Edit12", &Edit12},
                                        {"ComboBox4", &ComboBox4},
                                        {"ComboBox9", &ComboBox9},
                                        {"ComboBox11", &ComboBox11},
                                        {"ComboBox12", &ComboBox12}});
}

}  // namespace tolvane
