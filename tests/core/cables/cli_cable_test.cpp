#include <gtest/gtest.h>

#include <string>

#include "support/cli_run.h"

namespace {

using tolvane::test::CliRun;

// Runs `tolvane-cli cable ARGS`.
CliRun cable(const std::string& args) { return tolvane::test::runCli("cable " + args); }

}  // namespace

TEST(CableCommand, PrintsWhatTheWindowShowsAndHandsBack)
{
    struct Case {
        const char* args;
        const char* out;
    } cases[] = {
        {"--family 1 --type CV-T --size 38゜ --grouping 1,2,S=d",
         "key=CV-T 38\ndisplay=131\ncable=CV-T38゜\nR=0.626\nX=0.115\nallowable=132\nsize=38\n"},
        {"--family 1 --type CV-T --size 38゜ --grouping 1,2,S=d --freq 50",
         "key=CV-T 38\ndisplay=131\ncable=CV-T38゜\nR=0.626\nX=0.0955\nallowable=132\nsize=38\n"},
        {"--family 7 --size 14゜ --wires 2 --method 保護管配線",
         "key=IV 14゜\ndisplay=55\ncable=IV14゜\nR=1.5\nX=0.106\nallowable=55\nsize=14\n"},
        {"--family 7 --size 5.5゜ --iv-ambient 40",
         "key=IV 5.5゜\ndisplay=28\ncable=IV5.5゜\nR=3.85\nX=0.11\nallowable=28\nsize=5.5\n"},
        {"--family 1 --size 38゜ --method 地中保護管配線 --depth H=300",
         "key=CV-T 38\ndisplay=139\ncable=CV-T38゜\nR=0.626\nX=0.115\nallowable=139\nsize=38\n"},
        {"--family 1 --size 38゜ --ambient 45", "key=CV-T 38\ndisplay=147\ncable=CV-T38゜\nR=0.626\nX=0.115\nallowable=147\nsize=38\n"},
        {"'--family' '600V CV及びEM 600V CE/F 2心、3心一括シース' --type CE --size 2゜ --system 単相2線 --factor 0.5",
         "key=CV 2  -2C\ndisplay=14\ncable=CE2゜\nR=12\nX=0.119\nallowable=14\nsize=2\n"},
    };
    for (const auto& c : cases) {
        CliRun r = cable(c.args);
        EXPECT_EQ(r.code, 0) << c.args;
        EXPECT_EQ(r.out, c.out) << c.args;
    }
}

TEST(CableCommand, NothingHandedBackIsReportedOnStandardError)
{
    CliRun out = cable("--family 5 --size 22゜ --system 三相4線");
    EXPECT_EQ(out.code, 1);
    EXPECT_EQ(out.out, "key=CV 22 \ndisplay=0\n");
    EXPECT_EQ(out.err, "この電線・ケーブルは許容電流表にありません\n");
}

TEST(CableCommand, BadArgumentsAreRefused)
{
    for (const char* args : {"--size 38゜", "--family 18 --size 38゜", "--family 1 --size 39゜",
                             "--family 1 --size 38゜ --type CV", "--family 1 --size 38゜ --grouping 2,1,S=d",
                             "--family 1 --size 38゜ --wires 8", "--family 1 --size 38゜ --freq 55", "--family 1 --bogus 1"})
        EXPECT_EQ(cable(args).code, 2) << args;
}

TEST(CableCommand, OptionsThatDoNotApplyAreRefusedWithTheirReason)
{
    struct Case {
        const char* args;
        const char* reason;  // start of the message on standard error
    } cases[] = {
        // Wire count and conduit ambient belong to IV wires in conduit only.
        {"--family 1 --size 38゜ --wires 2", "--wires は使えません"},
        {"--family 1 --size 38゜ --iv-ambient 40", "--iv-ambient は使えません"},
        // The laying panel's ambient does not apply to IV.
        {"--family 7 --size 14゜ --ambient 45", "--ambient は使えません"},
        // Buried runs are not grouped; a depth belongs to buried runs.
        {"--family 1 --size 38゜ --method 地中保護管配線 --grouping 1,2,S=d", "--grouping は使えません"},
        {"--family 1 --size 38゜ --method 地中保護管配線 --factor 0.5", "--factor は使えません"},
        {"--family 1 --size 38゜ --depth H=300", "--depth は"},
        // Mistyped choices.
        {"--family 1 --size 38゜ --method 保護官配線", "--method は ｹｰﾌﾞﾙﾗｯｸ配線(気中)、"},
        {"--family 1 --size 38゜ --system 単相３線", "--system は 単相3線、"},
        {"--family 1 --size 38゜ --method 地中保護管配線 --depth H=900", "--depth は H=300、H=600、H=1200 のどれかです"},
    };
    for (const auto& c : cases) {
        CliRun r = cable(c.args);
        EXPECT_EQ(r.code, 2) << c.args;
        EXPECT_TRUE(r.err.starts_with(c.reason)) << c.args << ": " << r.err;
    }
}
