// What the double-click dispatch leaves in the main window besides the rows
// the scenarios print: the shared fields, the frequency lock, a feeder at the
// sheet's end, and a write-back stopped by a bad number.
#include <gtest/gtest.h>

#include <sstream>

#include "app/forms.h"
#include "app/script_host.h"
#include "sheet/tree_marks.h"

namespace tolvane {
namespace {

std::string play(Forms& forms, const std::string& scenario)
{
    std::istringstream in(scenario);
    std::ostringstream out;
    ScriptHost host(out);
    host.run(forms, parseScenario(in));
    return out.str();
}

const char* kSingleFeeder = "dblclick 0\ncable 1 CV-T 38゜\nset ComboBox14 保護管配線\nclick Button4\n";

TEST(Dispatch, RecordingLocksTheFrequencyAndCountsTheFeeder)
{
    Forms forms;
    forms.mainWindowShown();
    play(forms, kSingleFeeder);
    EXPECT_EQ(forms.form1.patan, 1);
    EXPECT_EQ(forms.form1.kansenno, 2);
    EXPECT_FALSE(forms.form1.frequencyEnabled);
    EXPECT_TRUE(forms.form1.modified);
    EXPECT_EQ(forms.form1.StringGrid1.rowCount(), kStartRows + 1);
}

TEST(Dispatch, ALoadWithoutAnyNameIsNamedAfterItsFeederNumber)
{
    Forms forms;
    forms.mainWindowShown();
    play(forms, "dblclick 0\nset Edit2 \"\"\nset Edit7 \"\"\ncable 1 CV-T 38゜\nset ComboBox14 保護管配線\nclick Button4\n");
    EXPECT_EQ(forms.form1.StringGrid1.cell(col::No, 0), "1");
    EXPECT_EQ(forms.form1.StringGrid1.cell(col::LoadName, 0), "L1");
}

TEST(Dispatch, ARowFarDownALargeSheetIsWrittenWhereItWasClicked)
{
    Forms forms;
    forms.mainWindowShown();
    forms.form1.StringGrid1.setRowCount(40100);
    play(forms, "dblclick 40000\ncable 1 CV-T 38゜\nset ComboBox14 保護管配線\nclick Button4\n");
    EXPECT_EQ(forms.form1.StringGrid1.cell(col::Mark, 40000), mark::Single);
}

TEST(Dispatch, CancelledFeederFormWritesNothing)
{
    Forms forms;
    forms.mainWindowShown();
    Sheet before = forms.form1.StringGrid1;
    play(forms, "dblclick 0\ncable 1 CV-T 38゜\nset ComboBox14 保護管配線\nclick Button5\n");
    EXPECT_EQ(forms.form1.patan, 0);
    EXPECT_EQ(forms.form1.kansenno, 1);
    EXPECT_TRUE(forms.form1.frequencyEnabled);
    EXPECT_FALSE(forms.form1.modified);
    EXPECT_EQ(forms.form1.StringGrid1, before);
}

TEST(Dispatch, DwellingFeederOnTheLastRowKeepsAllItsRows)
{
    Forms forms;
    forms.mainWindowShown();
    const int last = kStartRows - 1;
    play(forms, "dblclick " + std::to_string(last) +
                    "\nclick Button1\nset ComboBox1 3\ncable 1 CV-T 100゜\nset ComboBox14 保護管配線\nclick Button4\n");
    const Sheet& sheet = forms.form1.StringGrid1;
    const std::string_view marks[] = {mark::Head,    mark::Point,  mark::Branch, mark::Segment,
                                      mark::Branch,  mark::Segment, mark::Last};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(sheet.cell(col::Mark, last + i), marks[i]) << i;
    EXPECT_EQ(sheet.rowCount(), kStartRows + 8);
    EXPECT_EQ(sheet.cell(col::RowTotal, last), "7");
}

TEST(Dispatch, BranchWriteBackStopsSilentlyAtABadNumber)
{
    Forms forms;
    forms.mainWindowShown();
    play(forms, "dblclick 0\nclick Button1\nset ComboBox1 2\ncable 1 CV-T 100゜\nset ComboBox14 保護管配線\n"
                "click Button4\n");
    std::string transcript = play(forms, "dblclick 2\nset Edit1 B棟\nset Edit5 X\nset ComboBox1 x\n"
                                         "cable 1 CV-T 14゜\nclick Button11\nclick Button4\n");
    const Sheet& sheet = forms.form1.StringGrid1;
    EXPECT_EQ(sheet.cell(col::Name, 0), "B棟");       // the head row was written first
    EXPECT_NE(sheet.cell(col::LoadName, 2), "X");     // the edited row was not
    EXPECT_EQ(transcript.find("error"), std::string::npos) << transcript;
}

// A feeder generated on row `row` from an empty row; `steps` are typed into
// the feeder form first.
std::string dwellingFeeder(int row, int branches, const std::string& steps = "")
{
    return "dblclick " + std::to_string(row) + "\n" + steps + "click Button1\nset ComboBox1 " +
           std::to_string(branches) + "\ncable 1 CV-T 100゜\nset ComboBox14 保護管配線\nclick Button4\n";
}

std::string singleFeeder(int row, const std::string& steps = "")
{
    return "dblclick " + std::to_string(row) + "\n" + steps +
           "cable 1 CV-T 38゜\nset ComboBox14 保護管配線\nclick Button4\n";
}

TEST(Dispatch, ABranchRowWithoutACableIsRenamedAndGivenAnotherCurrent)
{
    Forms forms;
    forms.mainWindowShown();
    play(forms, dwellingFeeder(0, 2));
    // "登録" refuses a row that carries no cable; "キャンセル" writes it back.
    const std::string transcript =
        play(forms, "dblclick 2\nset Edit5 住戸A\nanswer yes\nset ComboBox15 40\nclick Button4\nclick Button5\n");
    EXPECT_NE(transcript.find("電線・ケーブルを選択してください"), std::string::npos) << transcript;
    const Sheet& sheet = forms.form1.StringGrid1;
    EXPECT_EQ(sheet.cell(col::LoadName, 2), "住戸A");
    EXPECT_EQ(sheet.cell(col::Current, 2), "40");
    EXPECT_EQ(sheet.cell(col::Current, 0), "90");  // the feeder is summed again: 40 + 50
    EXPECT_EQ(sheet.cell(col::Mark, 4), mark::Last);
}

TEST(Dispatch, ADwellingFeederNeverWritesOverTheFeederBelow)
{
    Forms forms;
    forms.mainWindowShown();
    play(forms, singleFeeder(2, "set Edit7 下の負荷\n"));
    ASSERT_EQ(forms.form1.StringGrid1.cell(col::LoadName, 2), "下の負荷");
    // Two branches write rows 0 to 4; row 1 is empty, row 2 is in use.
    play(forms, dwellingFeeder(0, 2));
    const Sheet& sheet = forms.form1.StringGrid1;
    const std::string_view marks[] = {mark::Head, mark::Point, mark::Branch, mark::Segment, mark::Last};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(sheet.cell(col::Mark, i), marks[i]) << i;
    EXPECT_EQ(sheet.cell(col::Mark, 6), mark::Single);
    EXPECT_EQ(sheet.cell(col::LoadName, 6), "下の負荷");
    EXPECT_EQ(sheet.cell(col::No, 6), "2");
}

TEST(Dispatch, TheDefaultLoadNameCarriesTheNumberAfterRenumbering)
{
    const std::string unnamed = "set Edit2 \"\"\nset Edit7 \"\"\n";
    Forms forms;
    forms.mainWindowShown();
    play(forms, singleFeeder(4, unnamed));
    play(forms, singleFeeder(6, unnamed));
    // A feeder entered above the two becomes No. 1.
    play(forms, singleFeeder(0, unnamed));
    const Sheet& sheet = forms.form1.StringGrid1;
    EXPECT_EQ(sheet.cell(col::No, 0), "1");
    EXPECT_EQ(sheet.cell(col::LoadName, 0), "L1");
    EXPECT_EQ(sheet.cell(col::LoadName, 4), "L1");  // named once, when it was No. 1
    EXPECT_EQ(sheet.cell(col::No, 4), "2");
    // So does a dwelling feeder without a name.
    play(forms, dwellingFeeder(2, 1, "set Edit2 \"\"\n"));
    EXPECT_EQ(sheet.cell(col::No, 2), "2");
    EXPECT_EQ(sheet.cell(col::LoadName, 2), "L2");
}

TEST(Dispatch, ACountBeyondTheSheetsRowLimitIsRefusedAndChangesNothing)
{
    Forms forms;
    forms.mainWindowShown();
    const Sheet before = forms.form1.StringGrid1;
    // No current per dwelling, so that the form itself records the count.
    const std::string transcript = play(forms, dwellingFeeder(0, 3000000, "set ComboBox15 0\n"));
    EXPECT_NE(transcript.find(kSheetFullMessage), std::string::npos) << transcript;
    EXPECT_EQ(forms.form1.StringGrid1, before);
    EXPECT_FALSE(forms.form1.modified);
    EXPECT_EQ(forms.form1.kansenno, 1);
}

TEST(Dispatch, NumberedLoadNamesPastTheLargestWholeNumberKeepCounting)
{
    Forms forms;
    forms.mainWindowShown();
    play(forms, dwellingFeeder(0, 3));
    play(forms, "dblclick 2\nset Edit5 A\nset ComboBox1 2147483647\nclick CheckBox1\nclick Button5\n");
    const Sheet& sheet = forms.form1.StringGrid1;
    EXPECT_EQ(sheet.cell(col::LoadName, 2), "A2147483647");
    EXPECT_EQ(sheet.cell(col::LoadName, 4), "A2147483648");
    EXPECT_EQ(sheet.cell(col::LoadName, 6), "A2147483649");
}

}  // namespace
}  // namespace tolvane
