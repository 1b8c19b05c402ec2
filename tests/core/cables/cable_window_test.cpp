#include <gtest/gtest.h>

#include "cables/catalogue.h"
#include "cables/lookup_key.h"
#include "calc/electrical_system.h"
#include "cable_window.h"

using namespace tolvane;
using tolvane::testing::CableWindow;
using tolvane::testing::Opening;

TEST(CableWindow, FirstOpeningShowsHeadingsAndTheGroupingCode)
{
    CableWindow c;
    EXPECT_EQ(c.w.Caption, "電線・ケーブル選択フォーム");
    c.open();
    c.family(1);  // what an entry form does while the list shows its prompt
    c.open();
    EXPECT_EQ(c.w.StringGrid7.cell(0, 0), "  公称断面積");
    EXPECT_EQ(c.w.StringGrid7.cell(1, 1), "  50Hz  (Ω/km)");
    EXPECT_EQ(c.w.StringGrid7.cell(4, 1), "  60Hz (Ω/km)");
    EXPECT_EQ(c.w.StringGrid2.cell(4, 0), "重量Kg/Km");
    // No size row clicked yet: the lookup read the heading row.
    EXPECT_EQ(c.w.uyy7, 0);
    EXPECT_EQ(c.w.Edit10, "  公称断面積");
    EXPECT_EQ(c.w.Label22, "0");
    EXPECT_EQ(c.w.Caption, "11S=d");
    EXPECT_EQ(c.w.Edit1, "1");
    c.click("38゜");
    EXPECT_EQ(c.w.Caption, "CV-T 38");
}

TEST(CableWindow, InstallationMethodDecidesLayingConditionAndGrouping)
{
    struct Case {
        const char* method;
        int shown;  // the one laying-condition button shown and selected
        bool grouping;
    } cases[] = {
        {"気中暗渠配線", 8, true},   {"ｹｰﾌﾞﾙﾗｯｸ配線(気中)", 8, true}, {"保護管配線", 9, true},
        {"ｹｰﾌﾞﾙﾗｯｸ配線(蓋付)", 9, true}, {"地中保護管配線", 10, false},
    };
    CableWindow c;  // one window for all: the state carries over from use to use
    c.open();
    c.grouping("1", "2", "S=d");
    for (const auto& t : cases) {
        c.open({.method = t.method});
        c.family(1);
        bool shown[] = {c.w.RadioButton8Visible, c.w.RadioButton9Visible, c.w.RadioButton10Visible};
        bool selected[] = {c.w.RadioButton8, c.w.RadioButton9, c.w.RadioButton10};
        for (int b = 8; b <= 10; ++b) {
            EXPECT_EQ(shown[b - 8], b == t.shown) << t.method << " " << b;
            EXPECT_EQ(selected[b - 8], b == t.shown) << t.method << " " << b;
        }
        EXPECT_EQ(c.w.Panel1Visible, t.grouping) << t.method;
        c.click("38゜");
        EXPECT_EQ(c.w.Edit1, t.grouping ? "0.85" : "1.00") << t.method;
    }
}

TEST(CableWindow, HandsBackCableResistanceReactanceCurrentAndSize)
{
    struct Case {
        int patt;
        int frequency;
        const char* r;
        const char* x;
    } cases[] = {{1, 60, "0.626", "0.115"}, {1, 50, "0.626", "0.0955"}, {2, 60, "0.626", "0.115"}};
    for (const auto& t : cases) {
        CableWindow c;
        c.open({.frequency = t.frequency, .patt = t.patt});
        c.family(1);
        c.w.ComboBox3 = "CV-T";
        c.grouping("1", "2", "S=d");
        c.click("38゜");
        EXPECT_EQ(c.w.Caption, "CV-T 38");
        EXPECT_EQ(c.w.Label22, "131");  // 155 × 0.85 = 131.75
        auto back = c.w.StringGrid7DblClick();
        ASSERT_TRUE(back);
        EXPECT_EQ(back->cable, "CV-T38゜");
        EXPECT_EQ(back->r, t.r);
        EXPECT_EQ(back->x, t.x);
        EXPECT_EQ(back->allowable, "132");
        EXPECT_EQ(back->size, "38");
        EXPECT_TRUE(c.w.cableChosen);
        EXPECT_TRUE(c.w.closeRequested);
        EXPECT_EQ(c.w.handBack->cable, back->cable);
        EXPECT_EQ(c.w.patt, t.patt);
        EXPECT_TRUE(c.host.messages.empty());
    }
}

TEST(CableWindow, CableTextKeepsTheTypeAsChosenAndSizeDropsItsLastCharacter)
{
    struct Case {
        int family;
        const char* type;
        const char* size;
        const char* cable;
        const char* sizeBack;
        const char* allowable;
    } cases[] = {
        {3, "CE", "2゜", "CE2゜", "2", "31"},
        {7, "IV", "1.6mm", "IV1.6mm", "1.6m", "19"},
        {12, "VVF", "1.6-2C", "VVF1.6-2C", "1.6-2", "18"},
        {11, "VV", "8゜(円形圧縮)", "VV8゜", "8", "36"},  // compressed 8 mm² is looked up as 8゜, 3-core
        {17, "EM-FPD", "100゜", "EM-FPD100゜", "100", "270"},
    };
    for (const auto& t : cases) {
        CableWindow c;
        c.open();
        c.family(t.family);
        c.w.ComboBox3 = t.type;
        auto back = c.pick(t.size);
        ASSERT_TRUE(back) << t.cable;
        EXPECT_EQ(back->cable, t.cable);
        EXPECT_EQ(back->size, t.sizeBack);
        EXPECT_EQ(back->allowable, t.allowable) << t.cable;
    }
}

TEST(CableWindow, NothingIsHandedBackWithoutACatalogueRow)
{
    struct Case {
        const char* what;
        int family;  // 0: the typed-only flat EM-FP
        const char* system;
        int row;     // impedance-grid row double-clicked
    } cases[] = {
        {"heading row", 1, "単相3線", 1},
        {"first heading row", 1, "単相3線", 0},
        {"empty row", 1, "単相3線", 20},
        {"2-/3-core CV on 三相4線", 5, "三相4線", 5},
        {"flat EM-FP", 0, "単相3線", 2},
    };
    for (const auto& t : cases) {
        CableWindow c;
        c.open({.system = t.system});
        c.family(t.family ? FamilyName(t.family) : kFlatFpFamily);
        c.w.clickSizeRow(t.row);
        EXPECT_EQ(c.w.uy2, 0) << t.what;
        EXPECT_EQ(c.w.Label22, "0") << t.what;
        EXPECT_FALSE(c.w.StringGrid7DblClick()) << t.what;
        EXPECT_FALSE(c.w.cableChosen) << t.what;
        EXPECT_FALSE(c.w.handBack) << t.what;
        EXPECT_FALSE(c.w.closeRequested) << t.what;
        ASSERT_EQ(c.host.messages.size(), 1u) << t.what;
        EXPECT_EQ(c.host.messages[0], "この電線・ケーブルは許容電流表にありません");
    }
}

TEST(CableWindow, CloseBoxHandsNothingBackAndTheNextOpeningForgetsTheLastHandBack)
{
    CableWindow c;
    c.open();
    c.family(1);
    ASSERT_TRUE(c.pick("38゜"));
    c.open();
    EXPECT_FALSE(c.w.handBack);
    EXPECT_FALSE(c.w.cableChosen);
    EXPECT_FALSE(c.w.closeRequested);
    c.w.FormCloseBox();
    EXPECT_TRUE(c.w.closeRequested);
    EXPECT_FALSE(c.w.handBack);
    EXPECT_FALSE(c.w.cableChosen);
}

TEST(CableWindow, ActivationLooksUpTheRowLastClicked)
{
    CableWindow c;
    c.open();
    c.family(3);
    c.click("60゜");
    c.open();  // the family, its table and the clicked row survive
    EXPECT_EQ(c.w.ComboBox11, FamilyName(3));
    EXPECT_EQ(c.w.Edit10, "60゜");
    EXPECT_EQ(c.w.Label22, "255");
}

TEST(FamilyDisplay, ShowsTheTableTypesNoteAndPanelOfTheFamily)
{
    CableWindow c;
    c.open();
    c.family(4);
    EXPECT_EQ(c.w.StringGrid7.cell(0, 17), "600゜");
    EXPECT_EQ(c.w.StringGrid7.cell(2, 2), "0.197");
    EXPECT_EQ(c.w.Label166, "(90℃)");
    EXPECT_EQ(c.w.densen, 1);
    EXPECT_EQ(c.w.StringGrid2.rowCount(), 56);

    // 6 entries after 16: rows 8 to 27 empty.
    c.family(12);
    EXPECT_EQ(c.w.StringGrid7.cell(0, 7), "2.6-3C");
    for (int r = 8; r < 28; ++r)
        for (int col = 0; col < 5; ++col) EXPECT_EQ(c.w.StringGrid7.cell(col, r), "") << r;
    EXPECT_EQ(c.w.ComboBox3Items, std::vector<std::string>{"VVF"});
    EXPECT_EQ(c.w.Label17, "許容電流(気中40℃)");
    EXPECT_EQ(c.w.Label18, "定格600V 60℃");
    EXPECT_TRUE(c.w.Panel5Visible);
    EXPECT_FALSE(c.w.Panel3Visible);
    EXPECT_EQ(c.w.densen, 0);

    c.family(7);
    EXPECT_TRUE(c.w.Panel3Visible);
    EXPECT_FALSE(c.w.Panel5Visible);
    EXPECT_EQ(c.w.Label166, "");
    EXPECT_EQ(c.w.StringGrid2.rowCount(), 16);
}

TEST(FamilyDisplay, MultiplexQuadFamilyLeavesTheFirstFamilyNameInTheList)
{
    CableWindow c;
    c.open();
    c.family(2);
    EXPECT_EQ(c.w.ComboBox11, FamilyName(1));
    EXPECT_EQ(c.w.ComboBox3Items, (std::vector<std::string>{"CV-Q", "CE-Q"}));
    EXPECT_EQ(c.w.ComboBox3, "CV-Q");
    EXPECT_EQ(c.w.StringGrid7.cell(0, 10), "325゜");
    EXPECT_EQ(c.w.StringGrid7.cell(0, 11), "");
    auto back = c.pick("38゜");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->cable, "CV-Q38゜");
    EXPECT_EQ(back->x, "0.124");
    EXPECT_EQ(back->allowable, "155");
}

TEST(FamilyDisplay, UnknownTextEmptiesTheGridButKeepsTheCatalogue)
{
    CableWindow c;
    c.open();
    c.family(15);
    EXPECT_EQ(c.w.StringGrid2.rowCount(), 101);
    c.family("600V EM-FP平形");  // half-width hyphen: no family
    for (int r = 2; r < 28; ++r) EXPECT_EQ(c.w.StringGrid7.cell(0, r), "") << r;
    EXPECT_TRUE(c.w.ComboBox3Items.empty());
    EXPECT_EQ(c.w.ComboBox3, "");
    EXPECT_EQ(c.w.Label166, "");
    EXPECT_EQ(c.w.StringGrid2.rowCount(), 101);
    EXPECT_EQ(c.w.StringGrid2.cell(0, 100), "FP-Q 325");

    c.family(kFlatFpFamily);  // the exact text selects the typed-only family
    EXPECT_EQ(c.w.StringGrid7.cell(0, 13), "5.5ﾟx3");
    EXPECT_EQ(c.w.Label166, "(75℃)");
}

TEST(FamilyDisplay, ShorterTableReplacesALongerOneCompletely)
{
    CableWindow c;
    c.open();
    c.family(15);
    c.family(13);
    ASSERT_EQ(c.w.StringGrid2.rowCount(), 33);
    for (int r = 1; r < 33; ++r) EXPECT_EQ(c.w.StringGrid2.cell(0, r).rfind("FP", 0), std::string::npos) << r;
    EXPECT_EQ(c.w.StringGrid2.cell(0, 32), "VV 325゜-3C");
    EXPECT_EQ(c.w.StringGrid2.cell(5, 32), "");
}

// Every family, type and size the window offers, under every electrical
// system: the lookup finds the catalogue row named by its key, except for
// the combinations the catalogue has no row for.
TEST(CableWindow, EveryOfferedCableFindsItsCatalogueRow)
{
    auto hasNoRow = [](int family, std::string_view system) {
        if (family == 0) return true;  // the flat EM-FP is not in the catalogue
        if (family == 5 || family == 16) return system == kSystemThree4 || system == kSystemDc2;
        if (family == 11) return system == kSystemThree4;
        return false;
    };
    int found = 0, missing = 0;
    for (std::string_view system : kSystemList) {
        CableWindow c;
        c.open({.system = std::string(system)});
        for (const CableFamily& family : CableFamilies()) {
            c.family(family.name);
            std::vector<std::string> types = c.w.ComboBox3Items;
            ASSERT_EQ(types.size(), family.types.size());
            for (const std::string& type : types) {
                c.w.ComboBox3 = type;
                for (const ImpedanceEntry& entry : family.entries) {
                    c.click(entry.size);
                    std::string what = std::string(family.name) + " " + type + " " + std::string(entry.size) + " " +
                                       std::string(system) + " key '" + c.w.Caption + "'";
                    if (hasNoRow(family.number, system)) {
                        EXPECT_EQ(c.w.uy2, 0) << what;
                        EXPECT_EQ(c.w.Label22, "0") << what;
                        ++missing;
                        continue;
                    }
                    ASSERT_NE(c.w.uy2, 0) << what;
                    EXPECT_EQ(c.w.StringGrid2.cell(0, c.w.uy2), c.w.Caption) << what;
                    // The row carries the chosen size.
                    std::string designation = c.w.StringGrid2.cell(0, c.w.uy2);
                    std::string digits = WithoutLastCharacter(LookupSize(family.name, entry.size));
                    EXPECT_NE(designation.find(digits.substr(0, digits.find_first_of("-゜"))), std::string::npos)
                        << what;
                    EXPECT_EQ(c.w.Label22, c.w.StringGrid2.cell(3, c.w.uy2)) << what;
                    ++found;
                }
            }
        }
    }
    // 5 systems; the families offer 325 type-size choices, 12 of them the flat EM-FP.
    EXPECT_EQ(found + missing, 5 * 325);
    EXPECT_EQ(missing, 5 * 12 + 2 * (2 * 13 + 10) + 11);
}

// A temperature above the conductor's limit is refused, and the list goes back
// to the temperature the shown currents belong to: what is shown is what is
// handed back.
TEST(CableWindow, RefusedAmbientGoesBackToTheLastAcceptedTemperature)
{
    struct Case {
        int family;
        std::string Tdensen::*ambient;
        void (Tdensen::*changed)();
        const char* accepted;
        const char* refused;
        std::string_view message;
        const char* size;
    } cases[] = {
        {1, &Tdensen::ComboBox2, &Tdensen::ComboBox2Click, "30", "95", Tdensen::kBadLayingAmbient, "38゜"},
        {7, &Tdensen::ComboBox1, &Tdensen::ComboBox1Click, "45", "65", Tdensen::kBadConduitAmbient, "14゜"},
    };
    for (const auto& t : cases) {
        CableWindow c;
        c.open();
        c.family(t.family);
        c.w.*t.ambient = t.accepted;
        (c.w.*t.changed)();
        auto accepted = c.pick(t.size);
        ASSERT_TRUE(accepted) << t.family;

        c.w.*t.ambient = t.refused;
        (c.w.*t.changed)();
        EXPECT_EQ(c.host.informed, std::vector<std::string>{std::string(t.message)});
        EXPECT_EQ(c.w.*t.ambient, t.accepted);
        auto back = c.pick(t.size);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->allowable, accepted->allowable) << t.family;
    }
}
