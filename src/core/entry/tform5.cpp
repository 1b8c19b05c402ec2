#include "entry/tform5.h"

#include <cmath>

#include "calc/power.h"
#include "host/host.h"
#include "text/numbers.h"

namespace tolvane {

TForm5::TForm5()
{
    ComboBox9Items = {"100", "200", "440", "105", "110", "210", "220", "3300", "6600", "", ""};
    for (int p = 100; p >= 60; --p) ComboBox10Items.push_back(std::to_string(p));
    ComboBox10Items.push_back("50");
    ComboBox10Items.push_back("");
}

void TForm5::tabLabels()
{
    if (TabControl3 == 0) {
        Label137 = " 電  流";
        Label144 = "電力値";
        Label146 = "Kw";
        Label147 = "A";
        Button67Visible = true;
    } else {
        Label137 = " 電  力";
        Label147 = "Kw";
        Label144 = "電流値";
        Label146 = "A";
        Button67Visible = false;
    }
}

void TForm5::showEntryState()
{
    Label144Visible = false;
    Label145 = "0";
    Button62Tag = false;
    Button65 = std::string(TabControl3 == 0 ? kEnterCurrent : kEnterPower);
    Label146 = TabControl3 == 0 ? "A" : "Kw";
}

void TForm5::FormShow()
{
    modalResult = ModalResult::None;
    TabControl3 = 1;
    tabLabels();
    Button64Click();
}

void TForm5::TabControl3Change()
{
    tabLabels();
    Button64Click();
}

void TForm5::Button64Click()
{
    Edit7.clear();
    showEntryState();
    ActiveControl = "Button65";
}

void TForm5::Edit7Click()
{
    Edit7.clear();
    showEntryState();
}

void TForm5::Edit7KeyUp()
{
    Label145 = Edit7;
    Button65 = std::string(kReady);
    Label144Visible = true;
    Label144 = TabControl3 == 0 ? "電流値" : "電力値";
    Label146 = TabControl3 == 0 ? "A" : "Kw";
}

void TForm5::digit(char d)
{
    if (ready()) return;
    if (Label145 == "0") Label145.clear();
    Label145 += d;
}

void TForm5::Button61Click()
{
    if (ready()) return;
    if (Label145 != "0") Label145 += '0';
}

void TForm5::Button62Click()
{
    if (ready()) return;
    if (Button62Tag) {
        if (host) host->beep();
        return;
    }
    Label145 += '.';
    Button62Tag = true;
}

void TForm5::Button65Click()
{
    if (ready() && Edit7.empty()) {
        if (host) host->beep();
        return;
    }
    if (Edit7.empty()) Edit7 = Label145;
    Label145 = "0";
    Button62Tag = false;
    Label144Visible = true;
    Label144 = TabControl3 == 0 ? "電力値" : "電流値";
    Label146 = TabControl3 == 0 ? "Kw" : "A";
    Button65 = std::string(kReady);

    Circuit circuit = RadioButton28 ? Circuit::SinglePhase : RadioButton29 ? Circuit::ThreePhase : Circuit::None;
    double value = parseDecimal(Edit7);
    double voltage = parseDecimal(ComboBox9);
    double factor = parseDecimal(ComboBox10);
    if (TabControl3 == 0) {
        Button67Visible = true;
        double power = PowerFromCurrent(value, voltage, factor, circuit);
        Label145 = formatFixed(power, 0);
    } else {
        double current = CurrentFromPower(value, voltage, factor, circuit);
        // A zero voltage or power factor gives no current; the feeder form
        // must not receive an infinite one.
        if (!std::isfinite(current)) {
            if (host) host->beep();
            return;
        }
        Label1 = formatShortest(current);
        Label145 = formatFixed(current, 2);
    }
}

void TForm5::Button67Click()
{
    // The display carries thousands separators from 1,000 kW on.
    double apparent = ApparentPower(parseGrouped(Label145), parseDecimal(ComboBox10));
    Label145 = formatFixed(apparent, 2);
    Button67Visible = false;
    Label146 = "Kva";
}

void TForm5::Button63Click()
{
    ComboBox10 = "100";
    ActiveControl = "Button65";
}

void TForm5::Button66Click()
{
    ComboBox10 = "80";
    ActiveControl = "Button65";
}

void TForm5::RadioButton28Click()
{
    RadioButton28 = true;
    RadioButton29 = false;
}

void TForm5::RadioButton29Click()
{
    RadioButton28 = false;
    RadioButton29 = true;
}

void TForm5::Label141Click()
{
    RadioButton28Click();
    if (ready()) Button65Click();
}

void TForm5::Label142Click()
{
    RadioButton29Click();
    if (ready()) Button65Click();
}

void TForm5::Button1Click() { modalResult = ModalResult::Ok; }

void TForm5::FormClose() { modalResult = ModalResult::Cancel; }

bool TForm5::pressKey(std::string_view key)
{
    if (key.size() == 1 && key[0] >= '1' && key[0] <= '9')
        digit(key[0]);
    else if (key == "0")
        Button61Click();
    else if (key == ".")
        Button62Click();
    else
        return false;
    return true;
}

}  // namespace tolvane
