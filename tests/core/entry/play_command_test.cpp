// tolvane-cli play: exit codes, the failing step named on stderr, and the
// sheet saved with -o.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/cli_run.h"
#include "support/test_files.h"

namespace {

namespace fs = std::filesystem;

struct PlayResult {
    int status;
    std::string out, err;
};

PlayResult play(const std::string& scenarioText, const std::string& extra = "")
{
    const tolvane::testing::ScratchFolder dir("play");
    std::ofstream(dir / "s.scn") << scenarioText;
    tolvane::test::CliRun run = tolvane::test::runCli("play " + (dir / "s.scn").string() + " " + extra);
    return {run.code, run.out, run.err};
}

TEST(PlayCommand, RunsToTheEndAndSavesTheSheet)
{
    fs::path saved = fs::temp_directory_path() / "tolvane_play_saved.ksk";
    fs::remove(saved);
    PlayResult run = play("dblclick 0\ncable 1 CV-T 38゜\nset ComboBox14 保護管配線\nclick Button4\n", "-o " + saved.string());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::exists(saved));
    EXPECT_GT(fs::file_size(saved), 0u);
    fs::remove(saved);
}

TEST(PlayCommand, TheSheetGivenIsLoadedAndLeftAsItWas)
{
    const fs::path in = fs::temp_directory_path() / "tolvane_play_in.ksk";
    fs::copy_file(fs::path(TOLVANE_TEST_DATA) / "output" / "small.ksk", in, fs::copy_options::overwrite_existing);
    using tolvane::testing::bytesOf;
    const std::string before = bytesOf(in);

    PlayResult run = play("print 0 0 1,7\n", "--sheet " + in.string());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "row 0: L-1|電灯盤１\n");
    EXPECT_EQ(bytesOf(in), before);
    fs::remove(in);
}

TEST(PlayCommand, AStepThatCannotRunStopsWithItsLine)
{
    struct Case {
        const char* scenario;
        const char* named;
    };
    const Case cases[] = {
        {"dblclick 0\nclick Button99\n", "line 2"},
        {"dblclick 0\nset ComboBox14 保護管配線\n", "no queued cable window"},  // the window opened unscripted
        {"dblclick 0\n", "still open"},
        {"dblclick 0\nclick Button1\nclick Edit3\n", "Edit3 is disabled"},  // the dwelling current is computed
        {"answer yes\n", "never used"},
        {"dblclick 0\nclick Button4\nclick Button5\nfrobnicate\n", "line 4"},
    };
    for (const auto& c : cases) {
        PlayResult run = play(c.scenario);
        EXPECT_EQ(run.status, 1) << c.scenario;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
    }
}

TEST(PlayCommand, BadArguments)
{
    EXPECT_EQ(tolvane::test::runCli("play").code, 2);
    EXPECT_EQ(tolvane::test::runCli("play /nonexistent.scn").code, 2);
}

}  // namespace

// The sample building is entered through the forms by its scenario: playing
// it and working out the feeder totals writes the sample file byte for byte,
// and recalculating the sample changes nothing, so every number in it is the
// program's own.
TEST(PlayCommand, TheSampleBuildingIsTheProgramsOwn)
{
    const fs::path examples = fs::path(TOLVANE_TEST_DATA) / ".." / ".." / "examples";
    const std::string sample = tolvane::testing::bytesOf(examples / "sample.ksk");
    ASSERT_FALSE(sample.empty());
    const fs::path dir = tolvane::testing::freshFolder("sample");
    const tolvane::test::CliRun played = tolvane::test::runCli(
        "play " + (examples / "sample.scn").string() + " -o " + (dir / "entered.ksk").string());
    EXPECT_EQ(played.code, 0) << played.err;
    for (const fs::path& in : {dir / "entered.ksk", examples / "sample.ksk"}) {
        const fs::path out = dir / "recalculated.ksk";
        const tolvane::test::CliRun recalc = tolvane::test::runCli("recalc " + in.string() + " " + out.string());
        EXPECT_EQ(recalc.code, 0) << recalc.out << recalc.err;
        EXPECT_EQ(tolvane::testing::bytesOf(out), sample) << in;
    }
    const tolvane::test::CliRun check = tolvane::test::runCli("check " + (examples / "sample.ksk").string());
    EXPECT_EQ(check.code, 0) << check.out;
    fs::remove_all(dir);
}
