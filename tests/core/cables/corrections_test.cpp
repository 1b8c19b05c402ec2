#include <gtest/gtest.h>

#include "cables/corrections.h"
#include "cables/lookup_key.h"
#include "text/numbers.h"
#include "cable_window.h"

using namespace tolvane;
using tolvane::testing::CableWindow;
using tolvane::testing::Opening;

TEST(Temperature, InAirAtTheBaseTemperatureCopiesTheInAirColumn)
{
    for (int family : {1, 3}) {
        CableWindow c;
        c.open();
        c.family(family);
        ASSERT_GT(c.w.StringGrid2.rowCount(), 30);
        for (int r = 1; r < c.w.StringGrid2.rowCount(); ++r)
            EXPECT_EQ(c.w.StringGrid2.cell(3, r), c.w.StringGrid2.cell(5, r)) << c.w.StringGrid2.cell(0, r);
    }
    CableWindow c;
    c.open();
    c.family(3);
    EXPECT_EQ(c.current("CV 60 -3C"), "190");
}

TEST(Temperature, LayingConditionAndAmbientScaleTheCatalogueColumn)
{
    struct Case {
        const char* method;
        const char* ambient;  // chosen in the ambient list; nullptr leaves it
        const char* depth;
        const char* designation;
        const char* expected;
    } cases[] = {
        {"気中暗渠配線", "45", "", "CV-T 38", "147"},     // 155 × √(45/50)
        {"ｹｰﾌﾞﾙﾗｯｸ配線(気中)", "20", "", "CV-T 38", "183"},  // 155 × √(70/50)
        {"保護管配線", nullptr, "", "CV-T 38", "110"},     // in conduit at its base 40 °C
        {"ｹｰﾌﾞﾙﾗｯｸ配線(蓋付)", "50", "", "CV-D 100", "206"},  // 230 × √(40/50)
        {"地中保護管配線", nullptr, "H=300", "CV-T 38", "139"},  // 145 × √(60/65)
        {"地中保護管配線", nullptr, "H=600", "CV-T 38", "150"},  // 145 × √(70/65)
        {"地中保護管配線", nullptr, "H=1200", "CV-T 38", "150"},
        {"気中暗渠配線", "90", "", "CV-Q 500", "0"},
    };
    for (const auto& t : cases) {
        CableWindow c;
        Opening o;
        o.method = t.method;
        o.depth = t.depth;
        c.open(o);
        c.family(1);
        if (t.ambient) {
            c.w.ComboBox2 = t.ambient;
            c.w.ComboBox2Click();
        }
        c.click("38゜");  // the lookup applies the ground temperature of a buried run
        EXPECT_EQ(c.current(t.designation), t.expected) << t.method << " " << (t.ambient ? t.ambient : t.depth);
    }
}

TEST(Temperature, AmbientReturnsToTheBaseWhenTheLayingConditionChanges)
{
    CableWindow c;
    c.open();
    c.family(3);  // the CV table keeps the remembered laying condition
    c.w.ComboBox2 = "45";
    c.w.ComboBox2Click();
    EXPECT_EQ(c.current("CV 38 -1C"), "180");  // 190 × √(45/50)

    c.open();  // same condition: the user's ambient stays
    EXPECT_EQ(c.w.ComboBox2, "45");
    EXPECT_EQ(c.current("CV 38 -1C"), "180");

    c.open({.method = "保護管配線"});
    EXPECT_EQ(c.w.ComboBox2, "40");
    EXPECT_EQ(c.w.Label12, "基本温度40℃");
    EXPECT_EQ(c.w.Radio, 2);
    EXPECT_EQ(c.current("CV 38 -1C"), "160");

    c.open({.method = "地中保護管配線", .depth = "H=300"});
    EXPECT_EQ(c.w.Label12, "基本温度25℃");
    EXPECT_EQ(c.w.Radio, 3);
    EXPECT_EQ(c.w.ComboBox2, "30");
    EXPECT_EQ(c.current("CV 38 -1C"), "154");  // 160 × √(60/65)

    // The multiplex table starts from the base temperature at every load.
    c.open();
    c.w.ComboBox2 = "45";
    c.w.ComboBox2Click();
    c.family(1);
    EXPECT_EQ(c.w.ComboBox2, "40");
    EXPECT_EQ(c.current("CV-T 38"), "155");
}

TEST(Temperature, UnusableAmbientIsRefusedAndChangesNothing)
{
    for (const char* ambient : {"abc", "95", ""}) {
        CableWindow c;
        c.open();
        c.family(3);
        c.w.ComboBox2 = ambient;
        c.w.ComboBox2Click();
        ASSERT_EQ(c.host.messages.size(), 1u) << ambient;
        EXPECT_EQ(c.host.messages[0], Tdensen::kBadLayingAmbient);
        EXPECT_EQ(c.current("CV 38 -1C"), "190") << ambient;
    }
}

TEST(Temperature, WithoutALayingConditionNoCurrentIsHandedBack)
{
    CableWindow c;
    c.open({.method = ""});
    c.family(1);
    EXPECT_FALSE(c.w.RadioButton8 || c.w.RadioButton9 || c.w.RadioButton10);
    EXPECT_EQ(c.current("CV-T 38"), "");
    c.click("38゜");
    EXPECT_EQ(c.w.Label22, "0");
    EXPECT_FALSE(c.w.StringGrid7DblClick());
    EXPECT_FALSE(c.w.cableChosen);
    ASSERT_EQ(c.host.messages.size(), 1u);
    EXPECT_EQ(c.host.messages[0], Tdensen::kNoCurrent);
}

TEST(IvConduit, WireCountAndAmbientScaleTheThreeWireValues)
{
    struct Case {
        int wires;  // radio button 1..7
        const char* ambient;
        const char* designation;
        const char* expected;
    } cases[] = {
        {2, "30", "IV 14゜", "55"},    // 61 × 0.63 / 0.7 = 54.9
        {1, "40", "IV 5.5゜", "28"},   // 34 × √(20/30)
        {2, "30", "IV 2.6mm", "31"},   // the last row too: 34 × 0.9 = 30.6
        {7, "30", "IV 250゜", "189"},  // 389 × 0.34 / 0.7 = 188.9
        {4, "45", "IV 38゜", "56"},    // 113 × 0.7 × √(15/30)
        {1, "60", "IV 100゜", "0"},
    };
    for (const auto& t : cases) {
        CableWindow c;
        c.open();
        c.family(7);
        c.w.selectRadioButton(t.wires);
        c.w.ComboBox1 = t.ambient;
        c.w.ComboBox1Click();
        EXPECT_EQ(c.current(t.designation), t.expected) << t.wires << " " << t.ambient;
        // A second recomputation starts again from the table, not from its own result.
        c.w.ComboBox1Click();
        EXPECT_EQ(c.current(t.designation), t.expected) << "again";
    }
}

TEST(IvConduit, TheShownAmbientStillAppliesAtTheNextOpening)
{
    CableWindow c;
    c.open();
    c.family(7);
    c.w.selectRadioButton(2);
    c.w.ComboBox1 = "40";
    c.w.ComboBox1Click();
    EXPECT_EQ(c.current("IV 5.5゜"), "25");  // 34 × 0.9 × √(20/30) = 24.98

    c.open();  // the wire count goes back to three or fewer; the ambient stays
    EXPECT_TRUE(c.w.RadioButton1);
    EXPECT_FALSE(c.w.RadioButton2);
    EXPECT_EQ(c.w.ComboBox1, "40");
    EXPECT_EQ(c.current("IV 5.5゜"), "28");
}

TEST(IvConduit, UnusableAmbientIsRefusedAndChangesNothing)
{
    for (const char* ambient : {"x", "65"}) {
        CableWindow c;
        c.open();
        c.family(7);
        c.w.selectRadioButton(2);
        std::string before = c.current("IV 14゜");
        c.w.ComboBox1 = ambient;
        c.w.ComboBox1Click();
        EXPECT_EQ(c.current("IV 14゜"), before) << ambient;
        ASSERT_EQ(c.host.messages.size(), 1u);
        EXPECT_EQ(c.host.messages[0], Tdensen::kBadConduitAmbient);
    }
}

TEST(Grouping, FactorsByCode)
{
    struct Case {
        const char* code;
        const char* text;
    } cases[] = {
        {"11S=d", "1"},        {"12S=d", "0.85"},   {"13S=d", "0.8"},     {"12S=2d", "0.95"},  {"16S=3d", "0.95"},
        {"17～20S=2d", "0.8"}, {"28～20S=d", "0.5"}, {"25S=2d", "0.73"},  {"24S=3d", "0.9"},   {"39～10S=d", "0.3"},
        {"320S=2d", "0.6"},    {"34S=3d", "0.85"},  {"17～20S=3d", "1"},  {"4S=d", "1"},       {"", "1"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatShortest(GroupingFactor(c.code)), c.text) << c.code;
}

TEST(Grouping, CablesPerTierFollowTiersAndSpacing)
{
    using L = std::vector<std::string>;
    EXPECT_EQ(CablesPerTierList("1", "S=d"), (L{"1", "2", "3", "6", "7～20"}));
    EXPECT_EQ(CablesPerTierList("1", "S=3d"), (L{"1", "2", "3", "6"}));
    EXPECT_EQ(CablesPerTierList("2", "S=2d"), (L{"2", "3", "4", "5", "6", "7", "8～20"}));
    EXPECT_EQ(CablesPerTierList("3", "S=d"),
              (L{"3", "4", "5", "6", "7", "8", "9～10", "11～12", "13～15", "16～19", "20"}));
    EXPECT_EQ(CablesPerTierList("3", "S=3d"), (L{"3", "4"}));
    EXPECT_TRUE(CablesPerTierList("4", "S=d").empty());

    // Whichever list changed last, two tiers at 3d offer 2, 3, 4.
    for (bool spacingLast : {false, true}) {
        CableWindow c;
        c.open();
        if (spacingLast) {
            c.w.ComboBox5 = "2";
            c.w.ComboBox5Click();
            c.w.ComboBox6 = "S=3d";
            c.w.ComboBox6Click();
        } else {
            c.w.ComboBox6 = "S=3d";
            c.w.ComboBox6Click();
            c.w.ComboBox5 = "2";
            c.w.ComboBox5Click();
        }
        EXPECT_EQ(c.w.ComboBox4Items, (L{"2", "3", "4"}));
        EXPECT_EQ(c.w.ComboBox4, "2");
        EXPECT_EQ(c.w.Edit1, "0.95");
        EXPECT_EQ(c.w.Caption, "22S=3d");
        const char* factors[] = {"0.95", "0.95", "0.9"};
        for (int i = 0; i < 3; ++i) {
            c.w.ComboBox4 = c.w.ComboBox4Items[i];
            c.w.ComboBox4Click();
            EXPECT_EQ(c.w.Edit1, factors[i]);
        }
        EXPECT_EQ(c.w.ActiveControl, "StringGrid7");
    }
}

TEST(LookupKey, BuiltFromTypeSizeFamilyAndSystem)
{
    struct Case {
        int family;  // 0: the typed-only flat EM-FP
        const char* type;
        const char* size;
        const char* system;
        const char* key;
    } cases[] = {
        {1, "CV-T", "38゜", "単相3線", "CV-T 38"},
        {1, "CE-D", "100゜", "単相3線", "CV-D 100"},
        {2, "CE-Q", "14゜", "単相3線", "CV-Q 14"},
        {3, "CV", "2゜", "単相3線", "CV 2  -1C"},
        {4, "CE", "3.5゜", "三相4線", "CV 3.5-1C"},
        {3, "CV", "60゜", "単相3線", "CV 60 -1C"},
        {3, "CV", "600゜", "単相3線", "CV 600-1C"},
        {5, "CV", "8゜", "単相2線", "CV 8  -2C"},
        {5, "CV", "22゜", "三相3線", "CV 22 -3C"},
        {5, "CV", "22゜", "三相4線", "CV 22 "},
        {5, "CV", "22゜", "直流2線", "CV 22 "},
        {6, "CV", "14゜", "直流2線", "CV 14 -4C"},
        {7, "IV", "1.6mm", "単相3線", "IV 1.6mm"},
        {9, "EM-IE", "250゜", "単相3線", "IV 250゜"},
        {10, "EM-IE", "2.0mm", "単相3線", "IV 2.0mm"},
        {11, "VV", "5.5゜", "単相3線", "VV 5.5゜-3C"},
        {11, "VV", "8゜", "直流2線", "VV 8゜-2C"},
        {11, "VV", "250゜", "三相4線", "VV 250゜"},
        {12, "VVF", "1.6-2C", "単相3線", "VVF 1.6-2C"},
        {13, "VV", "2゜-3C", "単相2線", "VV 2゜-3C"},
        {14, "EEF", "2.6-3C", "単相3線", "VVF 2.6-3C"},
        {15, "EM-FP", "14゜", "単相3線", "FP 14 -1C"},
        {16, "EM-FP", "8゜", "単相3線", "FP 8  -3C"},
        {16, "EM-FP", "100゜", "単相2線", "FP 100-2C"},
        {17, "EM-FPT", "325゜", "単相3線", "FP-T 325"},
        {17, "EM-FPD", "14゜", "単相3線", "FP-D 14"},
        {0, "EM-FP", "1.2mmx2", "単相3線", "EM-FP 1.2mmx"},
    };
    for (const auto& c : cases) {
        std::string_view family = c.family ? FamilyName(c.family) : kFlatFpFamily;
        EXPECT_EQ(LookupKey(family, c.type, c.size, c.system), c.key) << c.family << " " << c.size;
    }
    // A text that names no family: type and size only.
    EXPECT_EQ(LookupKey("?", "CV", "38゜", "単相3線"), "CV 38");
    EXPECT_EQ(LookupSize(FamilyName(11), "8゜(円形圧縮)"), "8゜");
    EXPECT_EQ(WithoutLastCharacter("38゜"), "38");
    EXPECT_EQ(WithoutLastCharacter("1.6mm"), "1.6m");
    EXPECT_EQ(WithoutLastCharacter(""), "");
}

TEST(AllowableCurrent, DisplayTruncatesAndHandBackRoundsHalfToEven)
{
    struct Case {
        int family;
        const char* size;
        const char* factor;  // typed into the factor field
        const char* display;
        const char* handedBack;
    } cases[] = {
        {3, "38゜", "0.85", "161", "162"},   // 190 × 0.85 = 161.5
        {15, "14゜", "0.85", "76", "76"},    // 90 × 0.85 = 76.5
        {7, "14゜", "0.5", "30", "30"},      // 61 × 0.5 = 30.5
        {15, "14゜", "0.7", "63", "63"},     // 90 × 0.7 is 63, not 62.99…
        {15, "38゜", "0.7", "115", "116"},   // 165 × 0.7 is 115.5, not 115.49…
        {3, "38゜", "", "190", "190"},       // an empty factor counts as 1
        {3, "38゜", "1.00", "190", "190"},
    };
    for (const auto& t : cases) {
        CableWindow c;
        c.open();
        c.family(t.family);
        c.w.Edit1 = t.factor;
        c.click(t.size);
        EXPECT_EQ(c.w.Label22, t.display) << t.family << " " << t.factor;
        auto back = c.w.StringGrid7DblClick();
        ASSERT_TRUE(back);
        EXPECT_EQ(back->allowable, t.handedBack) << t.family << " " << t.factor;
    }
}

TEST(AllowableCurrent, UnusableFactorIsRefused)
{
    for (const char* factor : {"abc", "-0.5"}) {
        CableWindow c;
        c.open();
        c.family(3);
        c.click("38゜");
        EXPECT_EQ(c.w.Label22, "190");
        c.w.Edit1 = factor;
        c.click("60゜");
        EXPECT_EQ(c.w.Label22, "190") << "display left as it was";
        EXPECT_FALSE(c.w.StringGrid7DblClick());
        EXPECT_FALSE(c.w.cableChosen);
        ASSERT_EQ(c.host.messages.size(), 2u);
        EXPECT_EQ(c.host.messages[0], Tdensen::kBadFactor);
        EXPECT_EQ(c.host.messages[1], Tdensen::kBadFactor);
    }
}
