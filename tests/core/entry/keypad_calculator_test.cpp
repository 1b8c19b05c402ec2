// The numeric keypad and the current calculator: key sequences and results.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "entry/tform3.h"
#include "entry/tform5.h"
#include "support/recording_host.h"

namespace tolvane {
namespace {

std::string typeOnKeypad(TForm3& keypad, const std::vector<std::string>& keys)
{
    for (const auto& key : keys) {
        if (key == "BS")
            keypad.backspace();
        else
            EXPECT_TRUE(keypad.press(key)) << key;
    }
    return keypad.Edit1;
}

TEST(Keypad, KeySequencesBuildTheNumberText)
{
    struct Case {
        std::vector<std::string> keys;
        std::string display;
    };
    const Case cases[] = {
        {{"1", "2", ".", "5"}, "12.5"},
        {{"1", "2", ".", "5", "."}, "12.5"},  // a second point is ignored
        {{".", "5"}, "0.5"},                  // a point on an empty display
        {{"0", "5"}, "0.5"},                  // a lone zero takes the point
        {{"0", "5", ".", "3"}, "0.53"},       // ... which counts as the number's point
        {{"0", "0"}, "00"},
        {{"7", "C", "4"}, "4"},
        {{".", "C", ".", "2"}, "0.2"},        // "C" allows a point again
        {{"1", "2", ".", "BS", ".", "5"}, "12.5"},  // Backspace takes the point back
        {{"0", "5", "BS", "BS", ".", "7", "BS"}, "0."},
        {{"BS", "3"}, "3"},
    };
    for (const auto& c : cases) {
        TForm3 keypad;
        keypad.FormShow();
        EXPECT_EQ(typeOnKeypad(keypad, c.keys), c.display);
    }
}

TEST(Keypad, ClosingAndShowingAgain)
{
    TForm3 keypad;
    keypad.FormShow();
    typeOnKeypad(keypad, {"3", "."});
    keypad.Button23Click();  // "キャンセル" empties the display; the caller takes nothing
    EXPECT_TRUE(keypad.closeRequested());
    EXPECT_EQ(keypad.Edit1, "");

    keypad.FormShow();  // the point is accepted again after a cancel
    EXPECT_FALSE(keypad.closeRequested());
    EXPECT_EQ(typeOnKeypad(keypad, {".", "5"}), "0.5");
    keypad.Button14Click();
    EXPECT_EQ(keypad.modalResult, ModalResult::Ok);
    EXPECT_EQ(keypad.Edit1, "0.5");  // survives the closing for the caller

    keypad.FormShow();
    EXPECT_EQ(keypad.Edit1, "");
    EXPECT_FALSE(keypad.press("x"));
}

struct BeepCountingHost : testing::RecordingHost {
    int beeps = 0;
    void beep() override { ++beeps; }
};

struct CalculatorFixture : ::testing::Test {
    BeepCountingHost host;
    TForm5 calculator;

    void SetUp() override
    {
        calculator.host = &host;
        calculator.FormShow();
    }
    void typeInput(int tab, const std::string& value, const std::string& volts, const std::string& percent,
                   bool threePhase)
    {
        if (calculator.TabControl3 != tab) {
            calculator.TabControl3 = tab;
            calculator.TabControl3Change();
        }
        calculator.Edit7Click();
        calculator.Edit7 = value;
        calculator.Edit7KeyUp();
        calculator.ComboBox9 = volts;
        calculator.ComboBox10 = percent;
        threePhase ? calculator.RadioButton29Click() : calculator.RadioButton28Click();
    }
};

TEST_F(CalculatorFixture, ShowingStartsWithCurrentFromPowerInEntryState)
{
    EXPECT_EQ(calculator.TabControl3, 1);
    EXPECT_EQ(calculator.Button65, "電力値の入力");
    EXPECT_EQ(calculator.Label137, " 電  力");
    EXPECT_EQ(calculator.Label147, "Kw");
    EXPECT_EQ(calculator.Label145, "0");
    EXPECT_FALSE(calculator.Button67Visible);
    EXPECT_EQ(calculator.ComboBox9Items.size(), 11u);
    EXPECT_EQ(calculator.ComboBox10Items.front(), "100");
    EXPECT_EQ(calculator.ComboBox10Items.size(), 43u);  // 100..60, 50, empty
}

TEST_F(CalculatorFixture, Results)
{
    struct Case {
        int tab;
        std::string value, volts, percent;
        bool threePhase;
        std::string display, handedBack;
    };
    const Case cases[] = {
        {1, "2", "100", "80", false, "25.00", "25"},
        {1, "10", "200", "80", true, "36.08", "36.0843918243516"},
        {0, "30", "100", "100", false, "3", ""},
        {0, "30", "100", "80", false, "2", ""},
        {0, "5000", "200", "100", false, "1,000", ""},
        {0, "25", "100", "100", false, "2", ""},  // 2.5 kW: halves to the even neighbour
        {0, "35", "100", "100", false, "4", ""},  // 3.5 kW
    };
    for (const auto& c : cases) {
        calculator.Label1.clear();
        typeInput(c.tab, c.value, c.volts, c.percent, c.threePhase);
        calculator.Button65Click();
        EXPECT_EQ(calculator.Label145, c.display) << c.value;
        EXPECT_EQ(calculator.Label1, c.handedBack) << c.value;
        EXPECT_EQ(calculator.Button65, "計算");
    }
}

TEST_F(CalculatorFixture, ApparentPowerConvertsTheShownPower)
{
    typeInput(0, "30", "100", "80", false);
    calculator.Button65Click();
    ASSERT_EQ(calculator.Label145, "2");
    calculator.Button67Click();
    EXPECT_EQ(calculator.Label145, "2.50");  // from the rounded 2 kW
    EXPECT_EQ(calculator.Label146, "Kva");
    EXPECT_FALSE(calculator.Button67Visible);

    // A power of 1,000 kW and more carries a separator and still converts.
    typeInput(0, "5000", "200", "100", false);
    calculator.Button65Click();
    calculator.Button67Click();
    EXPECT_EQ(calculator.Label145, "1,000.00");
}

TEST_F(CalculatorFixture, KeypadOnlyInEntryState)
{
    // Entry state: "0" on "0" stays, digits replace the lone zero, a second point beeps.
    calculator.Button61Click();
    EXPECT_EQ(calculator.Label145, "0");
    for (const char* key : {"5", ".", "2", "."}) calculator.pressKey(key);
    EXPECT_EQ(calculator.Label145, "5.2");
    EXPECT_EQ(host.beeps, 1);

    // Computing takes the display as input: 5.2 kW at 100 V, 80 %.
    calculator.Button65Click();
    EXPECT_EQ(calculator.Edit7, "5.2");
    EXPECT_EQ(calculator.Label145, "65.00");

    // Ready state: the keys do nothing until "C".
    calculator.pressKey("7");
    EXPECT_EQ(calculator.Label145, "65.00");
    calculator.Button64Click();
    calculator.pressKey("7");
    EXPECT_EQ(calculator.Label145, "7");
}

TEST_F(CalculatorFixture, ComputeWithoutTypingComputesZeroAndChoosingACircuitLabelRecomputes)
{
    calculator.Button65Click();
    EXPECT_EQ(calculator.Label145, "0.00");
    EXPECT_EQ(calculator.Label1, "0");
    calculator.Edit7.clear();  // ready state without an input: only a beep
    calculator.Button65Click();
    EXPECT_EQ(host.beeps, 1);

    typeInput(1, "10", "200", "80", false);
    calculator.Button65Click();
    EXPECT_EQ(calculator.Label145, "62.50");
    calculator.RadioButton29Click();  // the radio button recomputes as its label does
    EXPECT_EQ(calculator.Label145, "36.08");
    calculator.Label141Click();
    EXPECT_EQ(calculator.Label145, "62.50");
}

TEST_F(CalculatorFixture, EveryChangeRecomputesWhatRegisterHandsBack)
{
    // 30 kW on the keypad at single-phase 100 V, 80 %: 375 A.
    calculator.ComboBox9 = "100";
    calculator.RadioButton28Click();
    for (const char* key : {"3", "0"}) calculator.pressKey(key);
    calculator.Button65Click();
    ASSERT_EQ(calculator.Label145, "375.00");
    // Switched to three-phase 200 V without pressing "計算" again.
    calculator.Label142Click();
    calculator.ComboBox9 = "200";
    calculator.ComboBox9Change();
    EXPECT_EQ(calculator.Label145, "108.25");
    calculator.ComboBox10 = "100";
    calculator.ComboBox10Change();
    EXPECT_EQ(calculator.Label145, "86.60");
    calculator.Button66Click();
    calculator.Edit7 = "20";  // typed into the input field
    calculator.Edit7KeyUp();
    EXPECT_EQ(calculator.Label145, "72.17");
    // A power factor typed but not yet left: "登録" hands back the current of
    // the inputs as they stand.
    calculator.ComboBox10 = "100";
    calculator.Button1Click();
    EXPECT_EQ(calculator.modalResult, ModalResult::Ok);
    EXPECT_EQ(calculator.Label1, "57.7350269189626");
    EXPECT_EQ(calculator.Label145, "57.74");
}

TEST_F(CalculatorFixture, WithoutAResultNothingIsHandedBackAndTheReasonIsTold)
{
    struct Case {
        int tab;
        std::string value, volts, percent;
        std::string_view reason;
    };
    const Case cases[] = {
        {1, "5", "0", "80", TForm5::kVoltageRange},
        {1, "5", "", "80", TForm5::kVoltageRange},
        {1, "5", "100", "0", TForm5::kPowerFactorRange},
        {1, "5", "100", "120", TForm5::kPowerFactorRange},
        {1, "-5", "100", "80", TForm5::kNegativeInput},
        {1, "abc", "100", "80", "'abc' は数値ではありません"},
        {1, "", "100", "80", TForm5::kEnterPowerValue},
        {0, "30", "100", "80", TForm5::kNoCurrent},  // a power is no current to hand back
    };
    for (const Case& c : cases) {
        SetUp();
        typeInput(c.tab, "2", "100", "80", false);
        calculator.Button65Click();
        typeInput(c.tab, c.value, c.volts, c.percent, false);
        host.messages.clear();
        calculator.Button1Click();
        EXPECT_FALSE(calculator.closeRequested()) << c.value << " " << c.volts << " " << c.percent;
        EXPECT_EQ(calculator.Label1, "") << c.value;
        ASSERT_EQ(host.messages.size(), 1u) << c.value;
        EXPECT_EQ(host.messages[0], c.reason) << c.value;
        if (c.tab == 1) {
            EXPECT_EQ(calculator.Label145, "-");
        }
    }
    // Entered on the keypad but not computed: no result either.
    SetUp();
    calculator.pressKey("5");
    calculator.Button1Click();
    EXPECT_FALSE(calculator.closeRequested());
    // The close box hands back nothing.
    calculator.FormClose();
    EXPECT_EQ(calculator.modalResult, ModalResult::Cancel);
}

TEST(Calculator, StartsOnTheSystemAndVoltageOfTheForm)
{
    struct Case {
        std::string system, voltage;
        bool threePhase;
        std::string volts;
    };
    const Case cases[] = {
        {"三相3線", "200", true, "200"},
        {"三相4線", "230/400", true, "400"},
        {"単相3線", "100/200", false, "200"},
        {"単相2線", "100", false, "100"},
        {"直流2線", "", false, "100"},  // no voltage: the calculator keeps its own
    };
    for (const Case& c : cases) {
        TForm5 calculator;
        calculator.FormShow();
        calculator.startOn(c.system, c.voltage);
        EXPECT_EQ(calculator.RadioButton29, c.threePhase) << c.system;
        EXPECT_EQ(calculator.RadioButton28, !c.threePhase) << c.system;
        EXPECT_EQ(calculator.ComboBox9, c.volts) << c.system;
    }
}

}  // namespace
}  // namespace tolvane
