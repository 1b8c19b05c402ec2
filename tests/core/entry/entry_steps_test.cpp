// The checks the entry forms share: the drop judged at recording and the
// impedance step's guard on the power factor.
#include <gtest/gtest.h>

#include "entry/entry_steps.h"
#include "support/recording_host.h"

namespace tolvane {
namespace {

TEST(RecordedDrop, Verdicts)
{
    struct Case {
        const char* drop;
        const char* allowable;
        DropVerdict verdict;
    };
    const Case cases[] = {
        {"2.84", "3", DropVerdict::Passes},
        {"2.85", "3", DropVerdict::Close},  // 95 % of the allowable drop
        {"3.00", "3", DropVerdict::Close},  // equal passes
        {"3.01", "3", DropVerdict::TooLarge},
        {"1,234.00", "28", DropVerdict::TooLarge},  // drops carry thousands separators
        {"0.00", "0", DropVerdict::Passes},  // no allowable drop to come close to
        {"", "3", DropVerdict::DropMissing},
        {" ", "3", DropVerdict::DropMissing},
        {"1.00", "", DropVerdict::AllowableMissing},
    };
    for (const auto& c : cases) EXPECT_EQ(judgeDrop(c.drop, c.allowable), c.verdict) << c.drop << " / " << c.allowable;
}

TEST(RecordedDrop, OnlyPassingAndCloseDropsAreRecorded)
{
    testing::RecordingHost host;
    EXPECT_TRUE(tellDropVerdict(&host, DropVerdict::Passes));
    EXPECT_TRUE(host.informed.empty());
    EXPECT_TRUE(tellDropVerdict(&host, DropVerdict::Close));
    EXPECT_FALSE(tellDropVerdict(&host, DropVerdict::TooLarge));
    EXPECT_FALSE(tellDropVerdict(&host, DropVerdict::DropMissing));
    EXPECT_FALSE(tellDropVerdict(&host, DropVerdict::AllowableMissing));
    EXPECT_EQ(host.informed, (std::vector<std::string>{std::string(msg::DropClose), std::string(msg::DropTooLarge),
                                                        std::string(msg::DropMissing),
                                                        std::string(msg::AllowableDropMissing)}));
    EXPECT_EQ(host.withYesButton, host.informed);  // the forms' notices are answered "はい"
}

TEST(ImpedanceStep, PowerFactorGuards)
{
    struct Case {
        const char* r;
        const char* powerFactor;
        const char* impedance;  // after the step
        const char* told;       // message, or ""
    };
    const Case cases[] = {
        {"0.1", "0.8", "0.128", ""},
        {"0.1", "1", "0.100", ""},
        {"R", "0.8", "Z", ""},  // no cable chosen: nothing happens
        {"0.1", "", "Z", "力率を入力してください"},
        {"0.1", "1.2", "Z", "力率は0を超え1以下の数値を入力してください"},
        {"0.1", "0", "Z", "力率は0を超え1以下の数値を入力してください"},  // no load draws a current at 0
        {"0.1", "-0.5", "Z", "力率は0を超え1以下の数値を入力してください"},
    };
    for (const auto& c : cases) {
        testing::RecordingHost host;
        std::string r = c.r, x = "0.08", pf = c.powerFactor, z = "Z", focus;
        EXPECT_EQ(impedanceStep(&host, focus, {r, x, pf, "Edit4", z}), !*c.told);
        EXPECT_EQ(z, c.impedance) << c.r << " " << c.powerFactor;
        if (*c.told) {
            ASSERT_EQ(host.informed.size(), 1u);
            EXPECT_EQ(host.informed[0], c.told);
            EXPECT_EQ(focus, "Edit4");
        } else {
            EXPECT_TRUE(host.informed.empty());
        }
    }
}

}  // namespace
}  // namespace tolvane
