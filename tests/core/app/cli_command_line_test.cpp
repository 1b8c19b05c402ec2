// tolvane-cli's command-line habits: help and version on standard output,
// unknown options refused by name, and one exit code for an output that
// cannot be written, whichever command writes it.
#include <gtest/gtest.h>

#include <string>

#include "app/version.h"
#include "support/cli_run.h"

namespace tolvane {
namespace {

using test::runCli;

const std::string kSheet = std::string(TOLVANE_TEST_DATA) + "/output/small.ksk";
const std::string kScenario = std::string(TOLVANE_TEST_DATA) + "/scenarios/single_feeder.scn";

TEST(CliCommandLine, HelpAndVersionGoToStandardOutput)
{
    for (const char* args : {"--help", "-h", "help"}) {
        test::CliRun run = runCli(args);
        EXPECT_EQ(run.code, 0) << args;
        EXPECT_TRUE(run.out.starts_with("usage: tolvane-cli COMMAND")) << args;
        EXPECT_NE(run.out.find("  check FILE.ksk..."), std::string::npos) << args;
        EXPECT_EQ(run.err, "") << args;
    }
    const struct {
        const char* args;
        const char* usage;
    } commands[] = {
        {"check --help", "usage: tolvane-cli check FILE.ksk... [--recalc]"},
        {"dump -h", "usage: tolvane-cli dump FILE.ksk\n"},
        {"help export-xlsx", "usage: tolvane-cli export-xlsx FILE.ksk OUT.xlsx"},
    };
    for (const auto& c : commands) {
        test::CliRun run = runCli(c.args);
        EXPECT_EQ(run.code, 0) << c.args;
        EXPECT_TRUE(run.out.starts_with(c.usage)) << run.out;
    }
    test::CliRun version = runCli("--version");
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, std::string("tolvane-cli ") + kVersion + "\n");

    // Without a command the usage is an error.
    test::CliRun none = runCli("");
    EXPECT_EQ(none.code, 2);
    EXPECT_EQ(none.out, "");
    EXPECT_TRUE(none.err.starts_with("usage: tolvane-cli")) << none.err;
}

TEST(CliCommandLine, UnknownOptionsAreRefusedByNameNeverTakenForFiles)
{
    const struct {
        std::string args, option;
    } cases[] = {
        {"dump --bogus " + kSheet, "--bogus"},
        {"check --recalc -x " + kSheet, "-x"},
        {"export-xlsx " + kSheet + " out.xlsx --mode item --fast", "--fast"},
        {"--frobnicate", "--frobnicate"},
    };
    for (const auto& c : cases) {
        test::CliRun run = runCli(c.args);
        EXPECT_EQ(run.code, 2) << c.args;
        EXPECT_EQ(run.out, "") << c.args;
        EXPECT_NE(run.err.find("不明なオプションです: " + c.option), std::string::npos) << run.err;
    }
    // An option's value is the command's business, even when it starts with
    // a minus sign; so is a negative number.
    test::CliRun row = runCli("clipboard " + kSheet + " --row -1");
    EXPECT_EQ(row.code, 2);
    EXPECT_NE(row.err.find("行番号は"), std::string::npos) << row.err;
    EXPECT_EQ(runCli("calc drop 単相2線 10 -5 0.2").code, 0);
}

TEST(CliCommandLine, AnOutputThatCannotBeWrittenHasOneExitCode)
{
    const std::string nowhere = "/nonexistent-folder/out";
    std::vector<std::string> commands = {
        "resave " + kSheet + " " + nowhere + ".ksk",
        "recalc " + kSheet + " " + nowhere + ".ksk",
        "size " + kSheet + " " + nowhere + ".ksk",
        "export-xlsx " + kSheet + " " + nowhere + ".xlsx",
        "play " + kScenario + " -o " + nowhere + ".ksk",
        "short-circuit " + kSheet + " --bank T1,3,210,500,4.5,1.2 --write " + nowhere + ".ksk",
    };
    if (runCli("--help").out.find("print-pdf") != std::string::npos)
        commands.push_back("print-pdf " + kSheet + " " + nowhere + ".pdf");
    for (const std::string& args : commands) {
        test::CliRun run = runCli(args, "/dev/null");
        EXPECT_EQ(run.code, 3) << args << "\n" << run.err;
        EXPECT_NE(run.err.find("nonexistent-folder"), std::string::npos) << args << "\n" << run.err;
    }

    // Standard output on a full disk: the run fails and says so.
    for (const std::string& args :
         {"dump " + kSheet, "clipboard " + kSheet, "short-circuit " + kSheet, std::string("--help")}) {
        test::CliRun full = runCli(args, "/dev/full");
        EXPECT_EQ(full.code, 3) << args;
        EXPECT_NE(full.err.find("標準出力に書き込めません"), std::string::npos) << full.err;
    }
}

}  // namespace
}  // namespace tolvane
