#include "text/numbers.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tolvane;

TEST(Numbers, ParsesDecimalTextsAsTheSheetHoldsThem)
{
    struct Case {
        const char* text;
        double value;
    } cases[] = {{"12", 12}, {"0.95", 0.95}, {"-3.5", -3.5}, {" 7 ", 7}, {".5", 0.5}, {"5.", 5}, {"1E3", 1000}, {"+2", 2}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(parseDecimal(c.text), c.value) << c.text;
}

TEST(Numbers, RefusesNonNumbersWithAMessageQuotingTheText)
{
    for (const char* bad : {"Z", "", " ", "1,234", "12a", ".", "inf", "nan", "1e", "--1"}) {
        try {
            parseDecimal(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' は数値ではありません");
        }
    }
    EXPECT_THROW(parseWhole("12.5"), ConversionError);
    EXPECT_THROW(parseWhole(""), ConversionError);
    EXPECT_THROW(parseWhole("99999999999"), ConversionError);
    // One sign only, as for decimal numbers.
    for (const char* twoSigns : {"+-7", "+-07", "++7", "-+7"}) EXPECT_FALSE(tryParseWhole(twoSigns)) << twoSigns;
    EXPECT_EQ(parseWhole("+7"), 7);
    EXPECT_EQ(parseWhole(" 125"), 125);
    EXPECT_EQ(parseWhole("-4"), -4);
    try {
        parseWhole("12.5");
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'12.5' は整数ではありません");
    }
}

TEST(Numbers, RoundsHalvesToTheEvenNeighbour)
{
    struct Case {
        double in, out;
    } cases[] = {{2.5, 2}, {3.5, 4}, {11.5, 12}, {12.5, 12}, {10.5, 10}, {-2.5, -2}, {161.5, 162}, {76.5, 76}, {0.4, 0}};
    for (const auto& c : cases) EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
}

TEST(Numbers, FormatsFixedDecimalsWithThousandsSeparators)
{
    struct Case {
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        {1234.5, 2, "1,234.50"}, {0.19, 3, "0.190"}, {1234.5, 3, "1,234.500"}, {1.7320508, 2, "1.73"},
        {1, 2, "1.00"},          {0, 2, "0.00"},     {1234567.891, 2, "1,234,567.89"}, {-1234.5, 2, "-1,234.50"},
        {0.125, 2, "0.13"},      {999.9951, 2, "1,000.00"}, {1234, 0, "1,234"}, {36.0843, 2, "36.08"},
        {-0.001, 2, "0.00"},     {2.675, 2, "2.67"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatFixed(c.value, c.decimals), c.text) << c.value;
    EXPECT_EQ(formatFixed(std::nan(""), 3), "NAN");
}

TEST(Numbers, ShortestTextHasNoBinaryNoise)
{
    struct Case {
        double value;
        const char* text;
    } cases[] = {{0.1 + 0.2, "0.3"}, {174.29999999999998, "174.3"}, {12, "12"}, {2.5, "2.5"}, {0, "0"},
                 {0.07 * 100, "7"},  {-3, "-3"},   {1e20, "1E20"},   {0.00001, "1E-5"}, {38.0 + 15 + 3, "56"}};
    for (const auto& c : cases) EXPECT_EQ(formatShortest(c.value), c.text) << c.value;
}

TEST(Numbers, LengthColumnDisplayFormat)
{
    struct Case {
        double value;
        const char* text;
    } cases[] = {{1234.5, "1,234.5"}, {0.5, ".5"}, {0, ""}, {50, "50"}, {3.456, "3.46"}, {0.001, ""}, {1000, "1,000"}};
    for (const auto& c : cases) EXPECT_EQ(formatLengthDisplay(c.value), c.text) << c.value;
}

TEST(Numbers, PaddedFixedAndGroupedReading)
{
    EXPECT_EQ(formatPadded(12.5, 2, 8), "   12.50");
    EXPECT_EQ(formatPadded(100, 2, 5), "100.00");
    EXPECT_DOUBLE_EQ(parseGrouped("1,234.56"), 1234.56);
    EXPECT_THROW(parseGrouped("Z"), ConversionError);
    EXPECT_THROW(parseGrouped("1,2"), ConversionError);
    EXPECT_TRUE(hasValue("0"));
    EXPECT_FALSE(hasValue(" "));
    EXPECT_FALSE(hasValue(""));
}

TEST(Numbers, ThousandsSeparatorsOnlyInTheirPlaces)
{
    struct Case {
        const char* text;
        std::optional<double> value;
        int decimals;
    } cases[] = {
        {"1,234", 1234, 0},          {"12,345,678.9", 12345678.9, 1}, {"-1,234.50", -1234.5, 2},
        {" 123,456 ", 123456, 0},    {"1234.5", 1234.5, 0},           {"1E3", 1000, 0},
        {"1,2", std::nullopt, 0},    {"1,2345", std::nullopt, 0},     {"12,34.5", std::nullopt, 0},
        {"1234,567", std::nullopt, 0}, {",123", std::nullopt, 0},     {"1,234.5,6", std::nullopt, 0},
        {"1,,234", std::nullopt, 0}, {"1,234e3", std::nullopt, 0},    {"-,123", std::nullopt, 0},
    };
    for (const auto& c : cases) {
        std::optional<GroupedNumber> n = tryParseGrouped(c.text);
        ASSERT_EQ(n.has_value(), c.value.has_value()) << c.text;
        if (!n) continue;
        EXPECT_DOUBLE_EQ(n->value, *c.value) << c.text;
        EXPECT_EQ(n->decimals, c.decimals) << c.text;
    }
}
