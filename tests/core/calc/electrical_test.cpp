#include <gtest/gtest.h>

#include <cmath>

#include "calc/electrical_system.h"
#include "calc/voltage_drop.h"
#include "text/numbers.h"

using namespace tolvane;

TEST(ElectricalSystem, CoefficientsVoltagesAndReferenceVoltages)
{
    struct Case {
        const char* system;
        double k;
        const char* voltage;
        const char* reference;
    } cases[] = {
        {"単相2線", 2, "100", "100"},   {"単相3線", 1, "100/200", "100"}, {"三相4線", 1, "230/400", "230"},
        {"三相3線", std::sqrt(3.0), "200", "200"}, {"直流2線", 2, "400", "400"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SystemCoefficient(c.system), c.k) << c.system;
        auto v = DefaultVoltage(c.system);
        ASSERT_TRUE(v) << c.system;
        EXPECT_EQ(v->voltage, c.voltage);
        EXPECT_EQ(v->referenceVoltage, c.reference);
        EXPECT_EQ(SystemReferenceVoltage(c.system), std::stod(c.reference));
    }
    EXPECT_EQ(SystemCoefficient(""), 0);
    EXPECT_EQ(SystemCoefficient("単相2線 "), 0);
    EXPECT_FALSE(DefaultVoltage("x"));
    EXPECT_EQ(SystemReferenceVoltage("x"), 100);
}

TEST(ElectricalSystem, ReferenceVoltageOfAChosenVoltage)
{
    EXPECT_EQ(ReferenceVoltageOf("230/400"), "230");
    EXPECT_EQ(ReferenceVoltageOf("100/200"), "100");
    EXPECT_EQ(ReferenceVoltageOf("200"), "200");
    EXPECT_EQ(ReferenceVoltageOf("415"), "415");
}

TEST(ElectricalSystem, LoadKindAndPowerFactor)
{
    EXPECT_EQ(*LoadKindPowerFactor("電灯・コンセント"), "0.95");
    EXPECT_EQ(*LoadKindPowerFactor("電動機(ｺﾝﾃﾞﾝｻ有)"), "0.9");
    EXPECT_EQ(*LoadKindPowerFactor("電動機(ｺﾝﾃﾞﾝｻ無)"), "0.8");
    EXPECT_FALSE(LoadKindPowerFactor("x"));
    EXPECT_EQ(*LoadKindOf("直流2線", "0.8"), "電灯・コンセント");
    EXPECT_EQ(*LoadKindOf("三相3線", "0.9"), "電動機(ｺﾝﾃﾞﾝｻ有)");
    EXPECT_EQ(*LoadKindOf("三相4線", "0.8"), "電動機(ｺﾝﾃﾞﾝｻ無)");
    EXPECT_FALSE(LoadKindOf("三相3線", "0.90"));
    EXPECT_FALSE(LoadKindOf("", "0.9"));
}

TEST(VoltageDrop, ImpedanceAndDropOfARun)
{
    EXPECT_EQ(formatFixed(CableImpedance(0.1, 0.08, 0.8), 3), "0.128");
    EXPECT_EQ(CableImpedance(0.1, 0.08, 1), 0.1);
    struct Case {
        const char* system;
        double i, l, z;
        const char* shown;
    } cases[] = {{"三相3線", 100, 50, 0.2, "1.73"}, {"単相3線", 100, 50, 0.2, "1.00"}, {"単相2線", 100, 50, 0.2, "2.00"},
                 {"", 100, 50, 0.2, "0.00"}};
    for (const auto& c : cases)
        EXPECT_EQ(formatFixed(VoltageDrop(SystemCoefficient(c.system), c.i, c.l, c.z), 2), c.shown) << c.system;
}

TEST(VoltageDrop, AllowableDropBands)
{
    struct Case {
        SupplyKind kind;
        double length;
        const char* percent;
    } cases[] = {
        {SupplyKind::Transformer, 1, "3"},    {SupplyKind::Transformer, 60, "3"},   {SupplyKind::Transformer, 60.5, "5"},
        {SupplyKind::Transformer, 120, "5"},  {SupplyKind::Transformer, 200, "6"},  {SupplyKind::Transformer, 200.5, "7"},
        {SupplyKind::Utility, 60, "2"},       {SupplyKind::Utility, 120, "4"},      {SupplyKind::Utility, 150, "6"},
        {SupplyKind::Utility, 201, "7"},
    };
    for (const auto& c : cases) {
        SupplyChoice s{c.kind, "3"};
        EXPECT_EQ(AllowableDropPercent(s, c.length).percentText, c.percent) << c.length;
    }
    SupplyChoice given{SupplyKind::GivenPercent, "4.5"};
    auto f = AllowableDropPercent(given, 500);
    EXPECT_DOUBLE_EQ(f.fraction, 0.045);
    EXPECT_EQ(f.percentText, "4.5");
    given.percent = "x";
    EXPECT_THROW(AllowableDropPercent(given, 1), ConversionError);
}

TEST(VoltageDrop, AllowableVoltsRoundHalfToEven)
{
    struct Case {
        double v;
        const char* percent;
        double volts;
    } cases[] = {{100, "3", 3},   {200, "3", 6},  {230, "5", 12}, {400, "7", 28},
                 {250, "5", 12},  {230, "3", 7},  {100, "2.5", 2},
                 // 200 V at 14.25 % is 28.5 V on paper; binary arithmetic gives 28.500000000000004.
                 {200, "14.25", 28}};
    for (const auto& c : cases) {
        SupplyChoice given{SupplyKind::GivenPercent, c.percent};
        EXPECT_EQ(AllowableDrop(c.v, AllowableDropPercent(given, 1)), c.volts) << c.v << " " << c.percent;
    }
    EXPECT_TRUE(DropPasses(3.00, 3));
    EXPECT_FALSE(DropPasses(3.01, 3));
}
