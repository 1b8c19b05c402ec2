// ケーブル自動選定 of the feeder form: the family comes from the cable window or
// from the user, and what cannot be sized is told.
#include <gtest/gtest.h>

#include "app/forms.h"
#include "entry/cable_sizing.h"
#include "support/recording_host.h"

namespace tolvane::testing {
namespace {

struct FeederForm : ::testing::Test {
    RecordingHost host;
    Forms forms{&host};
    TForm2& f = forms.form2;

    void SetUp() override
    {
        forms.mainWindowShown();
        f.FormShow();
        f.ComboBox2 = "三相3線";
        f.ComboBox2Change();
        f.Edit5 = "70";
        f.ComboBox4 = "75";
        f.ComboBox5 = "10";
        f.Edit4 = "0.8";
    }
};

TEST_F(FeederForm, AsksForTheFamilyWhenTheWindowShowsNone)
{
    forms.densen.ComboBox11 = "該当なし";
    f.Button18Click();  // the question is declined
    EXPECT_EQ(host.itemPrompts, std::vector<std::string>{std::string(kChooseFamilyPrompt)});
    EXPECT_EQ(f.Edit8, "");

    host.items.push_back("600V CVQ及びEM 600V CEQ/F");
    f.Button18Click();
    EXPECT_EQ(forms.densen.ComboBox11, "600V CVQ及びEM 600V CEQ/F");
    EXPECT_EQ(f.Edit8, "CV-Q14゜");
    EXPECT_EQ(f.Edit9, "86");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(FeederForm, TellsWhatIsMissingOrThatNoSizePasses)
{
    f.Edit5.clear();
    f.Button18Click();
    EXPECT_EQ(host.informed, std::vector<std::string>{"設計電流値を入力してください"});
    EXPECT_EQ(f.ActiveControl, "Edit5");
    EXPECT_EQ(f.Edit8, "");

    f.Edit5 = "900";
    f.ComboBox4 = "1000";
    f.Button18Click();
    EXPECT_EQ(host.informed.back(), kNoSizePasses);
    EXPECT_EQ(f.Edit8, "");
    EXPECT_EQ(f.Edit10, "Z");
}

}  // namespace
}  // namespace tolvane::testing
