// tolvane-cli size on the sample building and on sheets with feeders that
// cannot be sized; `check --recalc` afterwards finds nothing in what was sized.
#include <gtest/gtest.h>

#include "app/tform1.h"
#include "sizing_fixture.h"
#include "support/cli_run.h"
#include "support/test_files.h"

namespace tolvane::testing {
namespace {

using test::CliRun;
using test::runCli;

const std::string kSample = std::string(TOLVANE_TEST_DATA) + "/../../examples/sample.ksk";

// The files of this process, gone when it ends.
std::string tempPath(const std::string& name)
{
    static const ScratchFolder folder("size");
    return (folder / name).string();
}

std::string saved(const Sheet& sheet, const std::string& name)
{
    TForm1 form;
    form.StringGrid1 = sheet;
    const std::string path = tempPath(name);
    EXPECT_FALSE(form.saveSheetFile(path));
    return path;
}

Sheet loaded(const std::string& path)
{
    TForm1 form;
    EXPECT_FALSE(form.loadSheetFile(path));
    return form.StringGrid1;
}

TEST(SizeCommand, SizesTheSampleSoThatCheckFindsNothingAndNoRunCouldBeSmaller)
{
    const std::string out = tempPath("sample.ksk");
    const CliRun run = runCli("size " + kSample + " " + out);
    EXPECT_EQ(run.code, 0) << run.out;
    // The sample's segments in the 35 % band ran more than 8 m beyond a change
    // of size; single-core CV is the first family that offers "CV 14゜".
    EXPECT_NE(run.out.find("feeder 1: family 600V CVD、600V CVT及びEM 600V CED/F、EM 600V CET/F\n"
                           "0: CV-T38゜ -> CV-T22゜ drop 1.51 -> 2.54\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("feeder 5: family 600V CVD、600V CVT及びEM 600V CED/F、EM 600V CET/F / "
                           "600V CV及びEM 600V CE/F単心 S＝俵積み\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("13: CV 14゜ -> CV22゜ drop 0.30 -> 0.19\n"), std::string::npos) << run.out;

    const CliRun check = runCli("check --recalc " + out);
    EXPECT_EQ(check.code, 0);
    EXPECT_EQ(check.out, out + ": 判定は良好です。\n");

    const Sheet sized = loaded(out);
    for (FeederRange range : allFeederRanges(sized)) expectLocallyMinimal(sized, range);
}

TEST(SizeCommand, ReportsWhatCannotBeSizedAndSizesTheRest)
{
    const Sheet sheet = sheetWith(kSingleColumns, {"1|1|三相3線|75|──▶|10|70|0.8|CV-T38゜|気中暗渠配線",
                                                    "2|2|三相3線|1000|──▶|10|900|0.8|CV-T38゜|気中暗渠配線",
                                                    "3|3|三相3線|100|──▶|10|70|0.8|CV-T38゜|気中暗渠配線"});
    const std::string in = saved(sheet, "in.ksk"), out = tempPath("out.ksk");

    CliRun run = runCli("size " + in + " " + out);
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out,
              "feeder 1: family 600V CVD、600V CVT及びEM 600V CED/F、EM 600V CET/F\n"
              "0: CV-T38゜ -> CV-T14゜ drop  -> 1.75\n"
              "feeder 2: row 1: 最大のサイズ CV-T500゜ でも許容電流 835A が設計電流値 900A より小さい\n"
              "feeder 3: family 600V CVD、600V CVT及びEM 600V CED/F、EM 600V CET/F\n"
              "2: CV-T38゜ -> CV-T22゜ drop  -> 1.14\n");
    Sheet result = loaded(out);
    EXPECT_EQ(result.cell(col::Cable, 1), "CV-T38゜");
    EXPECT_EQ(result.cell(col::Allowable, 1), "");

    // Only the feeders named, and the conditions of the options.
    run = runCli("size " + in + " " + out + " --feeder 3 --factor 0.7");
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out,
              "feeder 3: family 600V CVD、600V CVT及びEM 600V CED/F、EM 600V CET/F\n"
              "2: CV-T38゜ -> CV-T38゜ drop  -> 0.69\n");
    result = loaded(out);
    EXPECT_EQ(result.cell(col::Allowable, 2), "108");
    EXPECT_EQ(result.cell(col::Cable, 0), "CV-T38゜");
}

TEST(SizeCommand, RefusesBadInput)
{
    const std::string in = saved(sheetWith(kSingleColumns, {"1|1|三相3線|75|──▶|10|70|0.8|CV-T38゜|気中暗渠配線"}),
                                 "bad.ksk");
    const std::string out = tempPath("bad_out.ksk");
    for (const std::string& args : {"size " + in, "size " + in + " " + out + " --family 18",
                                   "size " + in + " " + out + " --feeder 2", "size " + in + " " + out + " --wires 8",
                                   "size " + in + " " + out + " --depth H=900", "size /nonexistent.ksk " + out,
                                   "size " + in + " " + out + " --supply x"}) {
        SCOPED_TRACE(args);
        EXPECT_EQ(runCli(args).code, 2);
    }
}

}  // namespace
}  // namespace tolvane::testing
