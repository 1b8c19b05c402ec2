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

}  // namespace
}  // namespace tolvane
