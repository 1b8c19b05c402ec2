#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "app/command_guard.h"
#include "support/recording_host.h"
#include "text/numbers.h"

using namespace tolvane;
using tolvane::testing::RecordingHost;

TEST(CommandGuard, WhateverACommandThrowsIsShownInTheErrorBoxAndTheProgramGoesOn)
{
    struct Case {
        const char* what;
        std::function<void()> command;
        std::string shown;
    };
    const Case cases[] = {
        {"a conversion error", [] { parseDecimal("Z"); }, ConversionError("Z", false).what()},
        {"another standard error", [] { throw std::out_of_range("行 40000 はありません"); }, "行 40000 はありません"},
        {"memory exhausted", [] { throw std::bad_alloc(); }, "メモリが足りないため、操作を中止しました。"},
        {"not a standard exception", [] { throw 42; }, "予期しないエラーのため、操作を中止しました。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingHost host;
        int after = 0;
        EXPECT_FALSE(runGuarded(&host, [&] {
            c.command();
            ++after;
        }));
        EXPECT_EQ(after, 0) << "the command stops where it threw";
        EXPECT_EQ(host.errors, std::vector<std::string>{c.shown});
    }
    RecordingHost host;
    EXPECT_TRUE(runGuarded(&host, [] {}));
    EXPECT_TRUE(host.errors.empty());
    EXPECT_FALSE(runGuarded(nullptr, [] { throw std::runtime_error("no host"); }));
}

TEST(CommandGuard, AnErrorBoxThatFailsDoesNotEndTheProgram)
{
    struct FailingHost : RecordingHost {
        void reportError(std::string_view) override { throw std::runtime_error("no screen"); }
    } host;
    EXPECT_FALSE(runGuarded(&host, [] { throw std::runtime_error("x"); }));
}
