// tolvane-cli play: exit codes, the failing step named on stderr, and the
// sheet saved with -o.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

struct PlayResult {
    int status;
    std::string out, err;
};

PlayResult play(const std::string& scenarioText, const std::string& extra = "")
{
    fs::path dir = fs::temp_directory_path() / ("tolvane_play_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
    std::ofstream(dir / "s.scn") << scenarioText;
    std::string command = std::string(TOLVANE_CLI) + " play " + (dir / "s.scn").string() + " " + extra + " >" +
                          (dir / "out").string() + " 2>" + (dir / "err").string();
    int status = std::system(command.c_str());
    auto read = [](const fs::path& p) {
        std::ifstream in(p);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    };
    PlayResult run{WEXITSTATUS(status), read(dir / "out"), read(dir / "err")};
    fs::remove_all(dir);
    return run;
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
    auto bytes = [](const fs::path& p) {
        std::ifstream file(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    const std::string before = bytes(in);

    PlayResult run = play("print 0 0 1,7\n", "--sheet " + in.string());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "row 0: L-1|電灯盤１\n");
    EXPECT_EQ(bytes(in), before);
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
    EXPECT_EQ(std::system((std::string(TOLVANE_CLI) + " play >/dev/null 2>&1").c_str()) >> 8, 2);
    EXPECT_EQ(std::system((std::string(TOLVANE_CLI) + " play /nonexistent.scn >/dev/null 2>&1").c_str()) >> 8, 2);
}

}  // namespace
