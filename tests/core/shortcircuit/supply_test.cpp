#include <gtest/gtest.h>

#include "shortcircuit/supply.h"

namespace tolvane {
namespace {

TransformerBank bank500()
{
    TransformerBank b;
    b.name = "T1";
    b.kva = "500";
    b.percentZ = "4.5";
    b.percentR = "1.2";
    return b;
}

TEST(SupplyConditions, BankNumbersAndDefaults)
{
    BankCheck c = checkBank(bank500());
    ASSERT_TRUE(c.values) << c.message;
    EXPECT_DOUBLE_EQ(c.values->voltage, 210);
    EXPECT_NEAR(c.values->percentX, 4.3370, 1e-4);
    EXPECT_DOUBLE_EQ(*c.values->hvKa, 12.5);
    EXPECT_DOUBLE_EQ(c.values->hvKv, 6.6);

    // %R from the load loss: 負荷損 / (10 × kVA).
    TransformerBank loss = bank500();
    loss.percentR.clear();
    loss.loadLoss = "6000";
    c = checkBank(loss);
    ASSERT_TRUE(c.values) << c.message;
    EXPECT_DOUBLE_EQ(c.values->percentR, 1.2);
    EXPECT_TRUE(c.values->percentRGiven);

    // Neither: %R counts as 0 and %X = %Z; an empty high-voltage current is an infinite bus.
    TransformerBank none = bank500();
    none.percentR.clear();
    none.hvKa.clear();
    c = checkBank(none);
    ASSERT_TRUE(c.values) << c.message;
    EXPECT_EQ(c.values->percentR, 0);
    EXPECT_FALSE(c.values->percentRGiven);
    EXPECT_DOUBLE_EQ(c.values->percentX, 4.5);
    EXPECT_FALSE(c.values->hvKa);
}

TEST(SupplyConditions, RefusedBanksNameTheField)
{
    struct Case {
        void (*spoil)(TransformerBank&);
        const char* message;
    };
    const Case cases[] = {
        {[](TransformerBank& b) { b.name = ""; }, "バンクの名称を入力してください。"},
        {[](TransformerBank& b) { b.name = "T\r\n1"; }, "バンクの名称に改行などの制御文字は使えません。"},
        {[](TransformerBank& b) { b.voltage = "0"; }, "バンク「T1」の二次電圧[V]は0より大きい数値を入力してください。"},
        {[](TransformerBank& b) { b.kva = "abc"; }, "バンク「T1」の定格容量[kVA]は0より大きい数値を入力してください。"},
        {[](TransformerBank& b) { b.percentZ = "-1"; }, "バンク「T1」の%Zは0より大きい数値を入力してください。"},
        {[](TransformerBank& b) { b.percentZ = "0"; }, "バンク「T1」の%Zは0より大きい数値を入力してください。"},
        {[](TransformerBank& b) { b.percentR = "-0.1"; }, "バンク「T1」の%Rは0以上の数値を入力してください。"},
        {[](TransformerBank& b) { b.percentR = "4.5"; }, "バンク「T1」の%Rは%Zより小さくしてください。"},
        {[](TransformerBank& b) { b.percentR = "nan"; }, "バンク「T1」の%Rは0以上の数値を入力してください。"},
        {[](TransformerBank& b) { b.loadLoss = "6000"; }, "バンク「T1」の%Rと負荷損[W]は、どちらか一方を入力してください。"},
        {[](TransformerBank& b) {
             b.percentR.clear();
             b.loadLoss = "30000";
         },
         "バンク「T1」の負荷損[W]から求めた%R（6.00）は%Zより小さくしてください。"},
        {[](TransformerBank& b) { b.hvKa = "0"; }, "バンク「T1」の高圧側短絡電流[kA]は0より大きい数値を入力してください。"},
        {[](TransformerBank& b) { b.hvKv = ""; }, "バンク「T1」の高圧側電圧[kV]は0より大きい数値を入力してください。"},
    };
    for (const Case& c : cases) {
        TransformerBank b = bank500();
        c.spoil(b);
        BankCheck check = checkBank(b);
        EXPECT_FALSE(check.values) << c.message;
        EXPECT_EQ(check.message, c.message);
    }
}

TEST(SupplyConditions, WholeConditions)
{
    SupplyConditions s;
    EXPECT_TRUE(s.isDefault());
    EXPECT_FALSE(checkSupply(s));
    s.banks = {bank500(), bank500()};
    EXPECT_EQ(checkSupply(s).value_or(""), "バンクの名称「T1」が重複しています。");
    s.banks[1].name = "T2";
    EXPECT_FALSE(checkSupply(s));
    EXPECT_EQ(s.findBank("T2"), &s.banks[1]);
    EXPECT_EQ(s.findBank("T3"), nullptr);
    for (const char* bad : {"0", "-0.02", "", "x", "11"}) {
        s.breakingTime = bad;
        EXPECT_EQ(checkSupply(s).value_or(""), "遮断時間[s]は0より大きく10以下の数値を入力してください。") << bad;
    }
}

TEST(SupplyConditions, CommandLineBankSpec)
{
    BankSpec parsed = parseBankSpec("T1,3,210,500,4.5,1.2");
    ASSERT_TRUE(parsed.bank) << parsed.message;
    EXPECT_EQ(*parsed.bank, bank500());

    parsed = parseBankSpec("L1,1,210,100,2.5,,,6.6");
    ASSERT_TRUE(parsed.bank) << parsed.message;
    EXPECT_EQ(parsed.bank->phases, BankPhases::Single);
    EXPECT_EQ(parsed.bank->percentR, "");
    EXPECT_EQ(parsed.bank->hvKa, "");  // infinite bus
    EXPECT_EQ(parsed.bank->hvKv, "6.6");

    const std::pair<const char*, const char*> refused[] = {
        {"T1,3,210,500,4.5", "--bank は 名称,相(1|3),二次電圧,kVA,%Z,%R[,高圧側kA[,高圧側kV]] の形で指定してください: T1,3,210,500,4.5"},
        {"T1,2,210,500,4.5,1.2", "--bank の相は 1（単相）か 3（三相）です: 2"},
        {"T1,3,210,500,1.2,4.5", "バンク「T1」の%Rは%Zより小さくしてください。"},
    };
    for (const auto& [text, message] : refused) {
        parsed = parseBankSpec(text);
        EXPECT_FALSE(parsed.bank) << text;
        EXPECT_EQ(parsed.message, message);
    }
}

}  // namespace
}  // namespace tolvane
