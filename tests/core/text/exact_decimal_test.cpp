#include <gtest/gtest.h>

#include <string>

#include "text/exact_decimal.h"
#include "text/numbers.h"

using namespace tolvane;

// Products of a current and a demand factor or percentage, rounded to whole
// amperes as written on paper; binary arithmetic gives the other neighbour in
// the first rows.
TEST(ExactDecimal, ProductsRoundHalvesToTheEvenNeighbourAsOnPaper)
{
    struct Case {
        const char* a;
        const char* b;
        double rounded;
    } cases[] = {
        {"190", "0.55", 104},    {"165", "0.70", 116},    {"110", "0.55", 60},      {"374.4", "1", 374},
        {"30", "0.55", 16},      {"30", "0.35", 10},      {"2.5", "1", 2},          {"3.5", "1", 4},
        {"-2.5", "1", -2},       {"16.5", "1", 16},       {"0.4", "1", 0},          {"1E2", "0.055", 6},
        {"12.5E-1", "2", 2},     {" +7 ", "0.5", 4},      {"120", "0.91", 109},     {"1.05E3", "0.001", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ((ExactDecimal::parse(c.a) * ExactDecimal::parse(c.b)).roundHalfEven(), c.rounded)
            << c.a << " x " << c.b;
}

TEST(ExactDecimal, SumsStayExactAndConvertToTheNearestDouble)
{
    ExactDecimal sum;
    for (const char* c : {"30.1", "20.4", "0.1", "0.2"}) sum += ExactDecimal::parse(c);
    EXPECT_EQ(sum.toDouble(), 50.8);
    EXPECT_EQ((ExactDecimal::parse("10.4") + ExactDecimal(1, 1)).roundHalfEven(), 10);
    EXPECT_EQ((ExactDecimal::parse("11.4") + ExactDecimal(1, 1)).roundHalfEven(), 12);
    // A value as the program writes it: 0.1 + 0.2 is written "0.30000000000000004".
    EXPECT_EQ(ExactDecimal::fromDouble(0.1 + 0.2).toDouble(), 0.1 + 0.2);
    EXPECT_EQ(ExactDecimal::fromDouble(104.5).roundHalfEven(), 104);
}

TEST(ExactDecimal, NumbersBeyondTheExactRangeAreStillReckoned)
{
    // Too many digits for exact reckoning: carried in binary, never wrong by more.
    const ExactDecimal huge = ExactDecimal::parse("1E300");
    EXPECT_EQ(huge.toDouble(), 1e300);
    EXPECT_EQ((huge * ExactDecimal(5, 1)).toDouble(), 5e299);
    EXPECT_EQ(ExactDecimal::parse("123456789012345678901234567890123456789012").roundHalfEven(),
              123456789012345678901234567890123456789012.0);
    EXPECT_EQ(ExactDecimal::parse("0.0000000000000000000000000000000000000000025").roundHalfEven(), 0);
    EXPECT_THROW(ExactDecimal::parse("1,000"), ConversionError);
    EXPECT_THROW(ExactDecimal::parse(""), ConversionError);
}
