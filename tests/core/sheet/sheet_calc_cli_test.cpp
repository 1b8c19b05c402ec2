// tolvane-cli recalc and check on sheet files written from the fixtures.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/tform1.h"
#include "calc_fixture.h"
#include "support/cli_run.h"
#include "support/test_files.h"

namespace tolvane::sheetcalc {
namespace {

// Of this process alone (the tests run in parallel, also those of other
// checkouts), gone when it ends.
std::string tempPath(const std::string& name)
{
    static const tolvane::testing::ScratchFolder folder("sheetcalc");
    return (folder / name).string();
}

// Writes the input rows of a fixture as a sheet file.
std::string sheetFileOf(const std::string& fixture, const std::string& name)
{
    TForm1 form;
    form.StringGrid1 = sheetOf(readCalcFixture(fixture).input);
    const std::string path = tempPath(name);
    EXPECT_FALSE(form.saveSheetFile(path));
    return path;
}

using test::CliRun;
const auto cli = [](const std::string& args) { return test::runCli(args); };

// The reports of `check`, each naming its sheet row as a row, not a line.
std::string reportLines(const std::string& path, const CalcFixture& f)
{
    std::string lines;
    for (const auto& [row, text] : f.review) lines += path + ": シート行 " + std::to_string(row) + ": " + text + "\n";
    return lines;
}

TEST(SheetCalcCli, CheckWithRecalcReportsEveryFileAndItsVerdict)
{
    const std::string failing = sheetFileOf("two_system.txt", "two.ksk");
    const std::string good = sheetFileOf("one_system.txt", "one.ksk");

    const CliRun run = cli("check " + failing + " " + good + " --recalc");
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, reportLines(failing, readCalcFixture("two_system.txt")) + good + ": 判定は良好です。\n");

    const CliRun goodOnly = cli("check --recalc " + good);
    EXPECT_EQ(goodOnly.code, 0);
    EXPECT_EQ(goodOnly.out, good + ": 判定は良好です。\n");

    EXPECT_EQ(cli("check " + good + " " + tempPath("missing.ksk")).code, 2);
    EXPECT_EQ(cli("check --supply nowhere " + good).code, 2);
}

TEST(SheetCalcCli, CheckReportsEveryCellTheDocumentOrTheCalculationCannotUse)
{
    struct Bad {
        int row, column;
        const char* text;
        const char* report;
    };
    // Rows 0 to 2 are single feeders; each bad cell is reported by row and
    // column, in that order.
    const Bad cells[] = {
        {0, col::Length, "-5", "列 6 こう長：「-5」は0～10,000 mの数値ではありません"},
        {0, col::MainDevice, "1,2", "列 8 主幹器具定格電流：「1,2」は数値ではありません"},
        {0, col::PowerFactor, "0", "列 10 負荷の力率：「0」は0を超え1以下の数値ではありません"},
        {1, col::MainDevice, "nan", "列 8 主幹器具定格電流：「nan」は数値ではありません"},
        {1, col::Current, "-5", "列 9 設計負荷電流：「-5」は0～10,000 Aの数値ではありません"},
        {1, col::PowerFactor, "-5", "列 10 負荷の力率：「-5」は0を超え1以下の数値ではありません"},
        {2, col::Breaker, "１２", "列 4 幹線保護用遮断器定格電流：「１２」は数値ではありません"},
        {2, col::Length, "99999999999999999999", "列 6 こう長：「99999999999999999999」は0～10,000 mの数値ではありません"},
        {2, col::MainDevice, "inf", "列 8 主幹器具定格電流：「inf」は数値ではありません"},
    };
    TForm1 form;
    form.StringGrid1 = sheetOf(readCalcFixture("single_feeder.txt").input);
    const std::string path = tempPath("bad_cells.ksk");
    ASSERT_FALSE(form.saveSheetFile(path));
    const CliRun clean = cli("check " + path);
    EXPECT_EQ(clean.code, 0) << clean.out;

    std::string expected;
    for (const Bad& b : cells) {
        form.StringGrid1.setCell(b.column, b.row, b.text);
        expected += path + ": シート行 " + std::to_string(b.row) + ": " + b.report + "\n";
    }
    ASSERT_FALSE(form.saveSheetFile(path));
    for (const char* options : {"", " --recalc"}) {
        const CliRun run = cli("check " + path + options);
        EXPECT_EQ(run.code, 1);
        EXPECT_NE(run.out.find(expected), std::string::npos) << options << "\n" << run.out;
    }
}

TEST(SheetCalcCli, RecalcSavesWhatTheScreenWouldShow)
{
    const CalcFixture f = readCalcFixture("two_system.txt");
    const std::string in = sheetFileOf("two_system.txt", "recalc_in.ksk");
    const std::string out = tempPath("recalc_out.ksk");
    ASSERT_EQ(cli("recalc " + in + " " + out).code, 0);

    TForm1 form;
    ASSERT_FALSE(form.loadSheetFile(out));
    for (std::size_t r = 0; r < f.expect.rows.size(); ++r)
        for (std::size_t c = 0; c < f.expect.rows[r].size(); ++c)
            EXPECT_EQ(form.StringGrid1.cell(f.expect.columns[c], static_cast<int>(r)), f.expect.rows[r][c])
                << "row " << r << ", column " << f.expect.columns[c];

    // Checking the saved file needs no recalculation to give the same verdict.
    const CliRun run = cli("check " + out);
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, reportLines(out, f));
}

TEST(SheetCalcCli, RecalcReportsAFeederWithABadCellAndComputesTheOthers)
{
    const std::string in = sheetFileOf("conversion_errors.txt", "errors_in.ksk");
    const std::string out = tempPath("errors_out.ksk");
    EXPECT_EQ(cli("recalc " + in + " " + out + " --supply utility").code, 1);
    TForm1 form;
    ASSERT_FALSE(form.loadSheetFile(out));
    EXPECT_EQ(form.StringGrid1.cell(col::Drop, 1), "0.12");  // feeder 1, above its bad cell (60 A)
    EXPECT_EQ(form.StringGrid1.cell(col::Current, 8), "20");  // feeder 2, below its bad cell
}

}  // namespace
}  // namespace tolvane::sheetcalc
