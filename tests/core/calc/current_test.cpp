#include <gtest/gtest.h>

#include "calc/breaker.h"
#include "calc/checks.h"
#include "calc/power.h"
#include "text/numbers.h"

using namespace tolvane;

TEST(Breaker, AutomaticChoiceIsTheSmallestLadderRatingAbove)
{
    struct Case {
        double current;
        const char* rating;
    } cases[] = {{0, "20"},     {-5, "20"},    {20, "20"},     {20.01, "30"},   {50, "50"},     {50.1, "60"},
                 {630, "630"},  {631, "700"},  {850, "1000"},  {1600, "1600"},  {1600.5, ""},   {174.3, "175"}};
    for (const auto& c : cases) EXPECT_EQ(SelectBreakerRating(c.current), c.rating) << c.current;
}

TEST(Breaker, DemandFactors)
{
    struct Case {
        double n, f;
    } cases[] = {{1, 1}, {5, 1}, {6, 0.91}, {12, 0.64}, {21, 0.53}, {24, 0.51}, {40, 0.46}, {41, 1.0}, {0, 1.0}};
    for (const auto& c : cases) EXPECT_EQ(DemandFactor(c.n).toDouble(), c.f) << c.n;
}

TEST(Breaker, DwellingFeederCurrent)
{
    struct Case {
        double n, im;
        const char* current;
        const char* shown;
        const char* breaker;
    } cases[] = {
        {5, 50, "250", "250", "250"}, {10, 60, "420", "420", "500"},  {20, 40, "432", "432", "500"},
        {7, 30, "174.3", "174", "175"}, {6, 50, "273", "273", "300"}, {40, 40, "736", "736", "800"},
        // Halves of I + 0.1 as written on paper go to the even neighbour,
        // where binary arithmetic lands just above them.
        {8, 60, "374.4", "374", "400"}, {18, 30, "302.4", "302", "350"},
    };
    for (const auto& c : cases) {
        auto d = DwellingFeederCurrent(ExactDecimal::fromDouble(c.n), ExactDecimal::fromDouble(c.im));
        EXPECT_EQ(formatShortest(d.current), c.current) << c.n << "x" << c.im;
        EXPECT_EQ(d.shown, c.shown);
        EXPECT_EQ(d.breaker, c.breaker);
    }
    // round(I + 0.1): 10.4 -> 10.5 -> 10; 11.4 -> 11.5 -> 12
    EXPECT_EQ(DwellingFeederCurrent(ExactDecimal(1, 0), ExactDecimal::parse("10.4")).shown, "10");
    EXPECT_EQ(DwellingFeederCurrent(ExactDecimal(1, 0), ExactDecimal::parse("11.4")).shown, "12");
}

TEST(Power, PowerAndCurrentConversions)
{
    EXPECT_EQ(formatShortest(CurrentFromPower(2, 100, 80, Circuit::SinglePhase)), "25");
    EXPECT_EQ(formatFixed(CurrentFromPower(10, 200, 80, Circuit::ThreePhase), 2), "36.08");
    EXPECT_EQ(formatFixed(PowerFromCurrent(30, 100, 100, Circuit::SinglePhase), 0), "3");
    EXPECT_EQ(formatFixed(PowerFromCurrent(30, 100, 80, Circuit::SinglePhase), 0), "2");
    EXPECT_EQ(formatFixed(ApparentPower(2, 80), 2), "2.50");
    EXPECT_EQ(CurrentFromPower(10, 200, 80, Circuit::None), 0);
}

TEST(Checks, CableAgainstDesignCurrent)
{
    EXPECT_FALSE(CheckCableCurrent("120", "120", "D"));
    EXPECT_EQ(*CheckCableCurrent("119", "120", "D"), "ケーブル(D)の許容電流が設計電流値(120A)より小さいので変更してください。");
    EXPECT_TRUE(CheckCableCurrent("120", "120.5", "CV-T38゜"));
    EXPECT_THROW(CheckCableCurrent("12.5", "120", "D"), ConversionError);
}

TEST(Checks, BreakerAgainstCable)
{
    EXPECT_FALSE(CheckBreakerAgainstCable("100", "100"));
    EXPECT_EQ(*CheckBreakerAgainstCable("100", "125"), "遮断機定格電流 125Ａ が電線許容電流値より大きいですが、修正しますか？。");
    EXPECT_THROW(CheckBreakerAgainstCable("100", ""), ConversionError);
}

TEST(Checks, MainDeviceAgainstDesignCurrent)
{
    auto ask = CheckMainDevice("60", "50");
    EXPECT_EQ(ask.action, MainDeviceAction::Ask);
    EXPECT_EQ(ask.question, "主幹器具定格電流は 60Ａ です。このまままで良いですか？。");
    EXPECT_EQ(CheckMainDevice("40", "50").action, MainDeviceAction::TakeDesignValue);
    EXPECT_EQ(CheckMainDevice("50", "50").action, MainDeviceAction::Nothing);
    EXPECT_EQ(CheckMainDevice("", "50").action, MainDeviceAction::Nothing);
    EXPECT_EQ(CheckMainDevice("60", "5.5").action, MainDeviceAction::Nothing);
}
