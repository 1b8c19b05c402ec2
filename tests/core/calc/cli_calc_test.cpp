// tolvane-cli calc prints exactly what the forms would show.
#include <gtest/gtest.h>

#include <string>

#include "support/cli_run.h"

namespace {

using tolvane::test::CliRun;

CliRun cli(const std::string& args) { return tolvane::test::runCli(args); }

}  // namespace

TEST(CliCalc, PrintsTheFormsResults)
{
    struct Case {
        const char* args;
        const char* out;
    } cases[] = {
        {"calc impedance 0.1 0.08 0.8", "0.128\n"},
        {"calc drop 三相3線 100 50 0.2", "1.73\n"},
        {"calc refvoltage 230/400", "230\n"},
        {"calc allowable transformer 100 230", "5 12\n"},
        {"calc allowable utility 150 200", "6 12\n"},
        {"calc allowable percent:4 10 100", "4 4\n"},
        {"calc breaker 850", "1000\n"},
        {"calc breaker 1600.5", "\n"},
        {"calc dwelling 7 0 30", "174.3 174 175\n"},
        {"calc dwelling 20 20 40", "736 736 800\n"},
        {"calc dwelling 8 0 60", "374.4 374 400\n"},
        {"calc dwelling 18 0 30", "302.4 302 350\n"},
        {"calc current three 10 200 80", "36.08\n"},
        {"calc current single 2 100 80", "25.00\n"},
        {"calc power single 30 100 100", "3\n"},
    };
    for (const auto& c : cases) {
        CliRun r = cli(c.args);
        EXPECT_EQ(r.code, 0) << c.args;
        EXPECT_EQ(r.out, c.out) << c.args;
    }
}

TEST(CliCalc, BadInputExitsWithTwo)
{
    for (const char* args : {"calc drop 単相2線 Z 50 0.2", "calc impedance 0.1 0.08 1.2", "calc allowable x 10 100",
                             "calc allowable transformer 10 abc", "calc", "calc breaker"}) {
        CliRun r = cli(args);
        EXPECT_EQ(r.code, 2) << args;
        EXPECT_EQ(r.out, "") << args;
    }
}
