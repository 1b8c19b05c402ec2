#include "entry/tform5.h"

#include <cmath>
#include <optional>

#include "calc/power.h"
#include "host/host.h"
#include "text/exact_decimal.h"
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
    // No result is shown while a value is entered, so none can be handed back.
    Label1.clear();
    Label148.clear();
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

void TForm5::startOn(std::string_view system, std::string_view voltage)
{
    CalculatorCircuit c = CalculatorCircuitOf(system, voltage);
    c.circuit == Circuit::ThreePhase ? RadioButton29Click() : RadioButton28Click();
    if (!c.voltage.empty()) ComboBox9 = c.voltage;
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
    Button65 = std::string(kReady);
    Label144Visible = true;
    recompute();
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
    // In the entry state the keypad's digits become the input.
    if (Edit7.empty()) Edit7 = Label145;
    Button62Tag = false;
    Label144Visible = true;
    Button65 = std::string(kReady);
    if (!recompute() && host) host->beep();
}

bool TForm5::recompute()
{
    if (!ready()) return false;
    const bool powerTab = TabControl3 == 0;
    Label144 = powerTab ? "電力値" : "電流値";
    Label146 = powerTab ? "Kw" : "A";
    Label1.clear();
    Label148.clear();
    Button67Visible = false;
    Label145 = "-";

    auto number = [this](const std::string& text, std::string_view missing) -> std::optional<double> {
        if (!hasValue(text)) {
            Label148 = missing;
            return std::nullopt;
        }
        std::optional<double> v = tryParseDecimal(text);
        if (!v) Label148 = ConversionError(text, false).what();
        return v;
    };
    std::optional<double> value = number(Edit7, powerTab ? kEnterCurrentValue : kEnterPowerValue);
    if (!value) return false;
    if (!(*value >= 0)) {
        Label148 = kNegativeInput;
        return false;
    }
    std::optional<double> voltage = number(ComboBox9, kVoltageRange);
    if (!voltage) return false;
    if (!(*voltage > 0)) {
        Label148 = kVoltageRange;
        return false;
    }
    std::optional<double> factor = number(ComboBox10, kPowerFactorRange);
    if (!factor) return false;
    if (!(*factor > 0 && *factor <= 100)) {
        Label148 = kPowerFactorRange;
        return false;
    }
    Circuit circuit = RadioButton28 ? Circuit::SinglePhase : RadioButton29 ? Circuit::ThreePhase : Circuit::None;
    if (circuit == Circuit::None) {
        Label148 = kChooseCircuit;
        return false;
    }
    double result = powerTab ? PowerFromCurrent(*value, *voltage, *factor, circuit)
                             : CurrentFromPower(*value, *voltage, *factor, circuit);
    if (!std::isfinite(result)) {
        Label148 = kTooLarge;
        return false;
    }
    if (powerTab) {
        Button67Visible = true;
        // Whole kilowatts, halves to the even neighbour as every rounded result.
        Label145 = formatFixed(ExactDecimal::fromDouble(result).roundHalfEven(), 0);
    } else {
        Label1 = formatShortest(result);
        Label145 = formatFixed(result, 2);
    }
    return true;
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
    recompute();
    ActiveControl = "Button65";
}

void TForm5::Button66Click()
{
    ComboBox10 = "80";
    recompute();
    ActiveControl = "Button65";
}

void TForm5::ComboBox9Change() { recompute(); }

void TForm5::ComboBox10Change() { recompute(); }

void TForm5::RadioButton28Click()
{
    RadioButton28 = true;
    RadioButton29 = false;
    recompute();
}

void TForm5::RadioButton29Click()
{
    RadioButton28 = false;
    RadioButton29 = true;
    recompute();
}

void TForm5::Label141Click() { RadioButton28Click(); }

void TForm5::Label142Click() { RadioButton29Click(); }

void TForm5::Button1Click()
{
    // A list's typed text may not have been left yet: the current handed
    // back is that of the inputs as they stand.
    recompute();
    if (hasValue(Label1)) {
        modalResult = ModalResult::Ok;
        return;
    }
    // Nothing to hand back: the calling form keeps its current.
    if (host) host->informYes(Label148.empty() ? kNoCurrent : std::string_view(Label148));
}

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
