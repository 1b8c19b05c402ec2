// The main window's calculation commands on the current feeder range: a cell
// that is not a number stops the command there and keeps what it wrote; the
// review speaks through the host.
#include <gtest/gtest.h>

#include "app/tform1.h"
#include "calc_fixture.h"
#include "host/host.h"
#include "sheet/review.h"
#include "support/recording_host.h"
#include "text/numbers.h"

namespace tolvane::sheetcalc {
namespace {

std::string messageOf(const std::function<void()>& command)
{
    try {
        command();
    } catch (const ConversionError& e) {
        return e.what();
    }
    return "no error";
}

TEST(CalcCommands, SingleDropsStopAtACableNotYetChosen)
{
    TForm1 form;
    form.StringGrid1 = sheetOf(readCalcFixture("conversion_errors.txt").input);
    form.s1 = 0;
    form.e1 = 4;
    EXPECT_EQ(messageOf([&] { form.Button10Click(); }), "'Z' は数値ではありません");
    EXPECT_EQ(form.StringGrid1.cell(col::Drop, 0), "0.40");
    EXPECT_EQ(form.StringGrid1.cell(col::Drop, 1), "0.20");
    EXPECT_EQ(form.StringGrid1.cell(col::Drop, 3), "");
    EXPECT_TRUE(form.modified);

    // The totals read the same cell and stop there as well.
    EXPECT_EQ(messageOf([&] { form.Button6Click(); }), "'Z' は数値ではありません");
}

TEST(CalcCommands, ADropTooLargeForAnyNumberStopsInsteadOfWritingInf)
{
    // A feeder, then a length that no drop can be computed from.
    for (const char* length : {"1e308", "-1e308"}) {
        TForm1 form;
        Sheet& s = form.StringGrid1;
        s.setCell(col::No, 0, "1");
        s.setCell(col::System, 0, "三相3線");
        s.setCell(col::Mark, 0, "──▶");
        s.setCell(col::FeederNo, 0, "1");
        s.setCell(col::RowTotal, 0, "1");
        s.setCell(col::Length, 0, length);
        s.setCell(col::Current, 0, "75");
        s.setCell(col::Impedance, 0, "0.529");
        s.setCell(col::Drop, 0, "1.23");
        form.s1 = form.e1 = 0;
        EXPECT_EQ(messageOf([&] { form.Button10Click(); }), "電圧降下が大きすぎて計算できません") << length;
        EXPECT_EQ(messageOf([&] { form.Button6Click(); }), "電圧降下が大きすぎて計算できません") << length;
        EXPECT_EQ(s.cell(col::Drop, 0), "1.23") << length;  // the cell keeps what it had
    }
}

TEST(CalcCommands, DesignCurrentsReadDwellingCurrentsAsWholeNumbers)
{
    TForm1 form;
    form.StringGrid1 = sheetOf(readCalcFixture("conversion_errors.txt").input);
    form.s1 = 5;
    form.e1 = 9;
    EXPECT_EQ(messageOf([&] { form.Button17Click(); }), "'12.5' は整数ではありません");
    EXPECT_EQ(form.StringGrid1.cell(col::Current, 8), "20");   // written before the bad row
    EXPECT_EQ(form.StringGrid1.cell(col::Current, 6), "999");  // not reached
}

TEST(CalcCommands, ReviewWarnsEveryReportOfTheDrawnSheet)
{
    const CalcFixture f = readCalcFixture("drawing.txt");
    testing::RecordingHost host;
    TForm1 form;
    form.host = &host;
    form.StringGrid1 = sheetOf(f.input);  // not drawn yet: the review judges every row itself

    form.Button25Click();
    std::vector<std::string> expected;
    for (const auto& [row, text] : f.review) expected.push_back(text);
    EXPECT_EQ(host.warned, expected);
    EXPECT_EQ(host.withYesButton, expected);  // each report is answered "はい"
    EXPECT_TRUE(host.informed.empty());
}

TEST(CalcCommands, ReviewOfAnEmptySheetIsGood)
{
    testing::RecordingHost host;
    TForm1 form;
    form.host = &host;
    form.Button25Click();
    EXPECT_TRUE(host.warned.empty());
    EXPECT_EQ(host.informed, std::vector<std::string>{std::string(kReviewGood)});
    EXPECT_TRUE(host.withYesButton.empty());  // "判定は良好です。" has its OK button
}

}  // namespace
}  // namespace tolvane::sheetcalc
