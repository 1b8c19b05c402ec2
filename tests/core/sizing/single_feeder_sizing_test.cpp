// Single feeders whose smallest passing cable is worked out by hand from the
// catalogue: bound by the design current, the breaker, the drop, the ground
// temperature of a buried run and the wire count of IV wire in conduit.
#include <gtest/gtest.h>

#include "sizing_fixture.h"

namespace tolvane::testing {
namespace {

struct SingleCase {
    const char* what;
    const char* row;  // kSingleColumns
    std::string depth = "H=600";
    CableConditions conditions = {};
    const char* cable;      // chosen designation
    const char* allowable;  // handed back with it
    const char* family = nullptr;  // the family given, by its number; none: the run's own
};

const SingleCase kCases[] = {
    // CV-T in air at 40 °C: 8゜ 62 A, 14゜ 86 A, 22゜ 110 A, 38゜ 155 A.
    {"design current 70 A needs 86 A", "1|1|三相3線|75|──▶|10|70|0.8|CV-T38゜|気中暗渠配線", {}, {}, "CV-T14゜", "86"},
    {"breaker 100 A needs 110 A", "1|1|三相3線|100|──▶|10|70|0.8|CV-T38゜|気中暗渠配線", {}, {}, "CV-T22゜", "110"},
    // 30 A over 60 m at 100 V: 8゜ drops 5.22 V, 14゜ (Z 1.664) exactly 3.00 V,
    // which the 3 V of 3 % allows.
    {"drop of 3.00 V within 3 V", "1|1|単相3線|30|──▶|60|30|0.95|CV-T38゜|気中暗渠配線", {}, {}, "CV-T14゜", "86"},
    // Buried: the ground is 20 °C at H=600 (22゜ 105 A × √(70/65) = 109 A) and
    // 30 °C at H=300 (22゜ 101 A, below 103 A; 38゜ 145 A × √(60/65) = 139 A).
    {"buried at H=600", "1|1|三相3線|100|──▶|10|103|0.8|CV-T8゜|地中保護管配線", "H=600", {}, "CV-T22゜", "109"},
    {"buried at H=300", "1|1|三相3線|100|──▶|10|103|0.8|CV-T8゜|地中保護管配線", "H=300", {}, "CV-T38゜", "139"},
    // IV in conduit, three wires at 30 °C: 2゜ and 1.6mm 19 A, 2.0mm 24 A; five
    // or six wires (0.56): 2.0mm 19 A, 3.5゜ 21 A.
    // Two IV families write "IV8゜": the one of two wires in contact is given.
    {"IV, three wires", "1|1|単相2線|20|──▶|5|20|0.95|IV8゜|保護管配線", {}, {}, "IV2.0mm", "24", "7"},
    {"IV, five or six wires", "1|1|単相2線|20|──▶|5|20|0.95|IV8゜|保護管配線", {}, {"40", "30", 3, "1.00"}, "IV3.5゜",
     "21", "7"},
    // Grouping 0.7 on 110 A gives 77 A, below 80 A; 38゜ 108.5 A rounds to 108.
    {"grouping factor", "1|1|三相3線|75|──▶|10|80|0.8|CV-T8゜|気中暗渠配線", {}, {"40", "30", 1, "0.7"}, "CV-T38゜",
     "108"},
};

TEST(SingleFeederSizing, TakesTheSmallestCableThatPassesEveryJudgement)
{
    for (const SingleCase& c : kCases) {
        SCOPED_TRACE(c.what);
        Sheet sheet = sheetWith(kSingleColumns, {c.row});
        SizingOptions options;
        options.depth = c.depth;
        if (c.family) options.family = familyOption(c.family);
        const SizingPlan plan = sizeAll(sheet, options, c.conditions);
        ASSERT_EQ(plan.feeders.size(), 1u);
        ASSERT_FALSE(plan.feeders[0].failure) << plan.feeders[0].failure->reason;
        EXPECT_EQ(sheet.cell(col::Cable, 0), c.cable);
        EXPECT_EQ(sheet.cell(col::Allowable, 0), c.allowable);
        EXPECT_TRUE(checkReports(sheet, {0, 0}).empty());
    }
}

TEST(SingleFeederSizing, WritesWhatTheWindowHandsBackAndRecalculates)
{
    Sheet sheet = sheetWith(kSingleColumns, {"1|1|三相3線|75|──▶|10|70|0.8|CV-T38゜|気中暗渠配線"});
    SizingOptions at50;
    at50.frequency = 50;
    const SizingPlan plan = sizeAll(sheet, at50);
    // CV-T 14゜ at 50 Hz: R 1.71, X 0.107; Z = 1.71 × 0.8 + 0.107 × 0.6.
    EXPECT_EQ(sheet.cell(col::Impedance, 0), "1.432");
    EXPECT_EQ(sheet.cell(col::Size, 0), "14");
    // √3 × 70 A × 10 m × 1.432 Ω/km and the 3 % of 200 V.
    EXPECT_EQ(sheet.cell(col::Drop, 0), "1.74");
    EXPECT_EQ(sheet.cell(col::AllowableDrop, 0), "6");
    EXPECT_EQ(sheet.cell(col::Judgement, 0), "〇：許容電流55%以上");

    ASSERT_EQ(plan.feeders[0].changes.size(), 1u);
    const RowChange& change = plan.feeders[0].changes[0];
    EXPECT_EQ(change.cableBefore, "CV-T38゜");
    EXPECT_EQ(change.cableAfter, "CV-T14゜");
    EXPECT_EQ(change.allowableAfter, "86");
    EXPECT_EQ(change.dropAfter, "1.74");
    EXPECT_EQ(familyNames(plan.feeders[0].families), "600V CVD、600V CVT及びEM 600V CED/F、EM 600V CET/F");
}

TEST(SingleFeederSizing, ReportsAFeederNoSizeCanCarryAndLeavesItAlone)
{
    const Sheet before = sheetWith(kSingleColumns, {"1|1|三相3線|1000|──▶|10|900|0.8|CV-T38゜|気中暗渠配線",
                                                    "2|2|三相3線|75|──▶|10|70|0.8|CV-T38゜|気中暗渠配線"});
    Sheet sheet = before;
    const SizingPlan plan = sizeAll(sheet);
    EXPECT_FALSE(plan.allSized());
    ASSERT_TRUE(plan.feeders[0].failure);
    EXPECT_EQ(plan.feeders[0].failure->row, 0);
    EXPECT_EQ(plan.feeders[0].failure->reason,
              "最大のサイズ CV-T500゜ でも許容電流 835A が設計電流値 900A より小さい");
    EXPECT_EQ(sheet.row(0), before.row(0));
    // The other feeder is sized all the same.
    EXPECT_FALSE(plan.feeders[1].failure);
    EXPECT_EQ(sheet.cell(col::Cable, 1), "CV-T14゜");
}

TEST(SingleFeederSizing, SizesARunInTheFamilyItsCableCameFrom)
{
    // "CV5.5゜" in conduit on a 単相2線 feeder as the 2-, 3-core family hands it
    // back: 41 A, Z 4.157 at cosθ 0.95 (the single-core 俵積み: 50 A, 4.083).
    // The cable that carries 30 A behind 40 A stays as it is.
    Sheet sheet = sheetWith("0|26|2|4|5|6|9|10|11|12|13|14|20",
                            {"1|1|単相2線|40|──▶|10|30|0.95|CV5.5゜|保護管配線|41|4.157|5.5"});
    SizingPlan plan = sizeAll(sheet);
    ASSERT_FALSE(plan.feeders[0].failure) << plan.feeders[0].failure->reason;
    EXPECT_EQ(familyNames(plan.feeders[0].families), "600V CV及びEM 600V CE/F 2心、3心一括シース");
    EXPECT_EQ(sheet.cell(col::Cable, 0), "CV5.5゜");
    EXPECT_EQ(sheet.cell(col::Allowable, 0), "41");
    EXPECT_EQ(sheet.cell(col::Impedance, 0), "4.157");
    for (const RowChange& change : plan.feeders[0].changes) EXPECT_FALSE(change.cableChanged);

    // "CV22゜" without what the window handed back may be any CV family: the
    // feeder is reported and left alone, unless a family is chosen for the row.
    const Sheet open = sheetWith(kSingleColumns, {"1|1|三相3線|50|──▶|10|40|0.8|CV 22゜|気中暗渠配線"});
    sheet = open;
    plan = sizeAll(sheet);
    ASSERT_TRUE(plan.feeders[0].failure);
    EXPECT_EQ(plan.feeders[0].failure->reason,
              "ケーブル「CV 22゜」の電線・ケーブルの系列が許容電流とインピーダンスから一つに決まらない（"
              "600V CV及びEM 600V CE/F単心 S＝俵積み / 600V CV及びEM 600V CE/F単心 平積（S＝2d）布設 / "
              "600V CV及びEM 600V CE/F 2心、3心一括シース / 600V CV及びEM 600V CE/F 4心一括シース）");
    EXPECT_EQ(sheet.row(0), open.row(0));
    SizingOptions chosen;
    chosen.rowFamilies[0] = familyOption("3");
    plan = sizeAll(sheet, chosen);
    EXPECT_EQ(familyNames(plan.feeders[0].families), "600V CV及びEM 600V CE/F単心 S＝俵積み");
    // Single-core CV in air: 3.5゜ 44 A, 5.5゜ 58 A.
    EXPECT_EQ(sheet.cell(col::Cable, 0), "CV5.5゜");

    // Given family 5 (multi-core with one sheath), a three-phase run takes
    // three cores: 5.5゜ 44 A, 8゜ 54 A.
    sheet = sheetWith(kSingleColumns, {"1|1|三相3線|50|──▶|10|40|0.8|CV-T22゜|気中暗渠配線"});
    SizingOptions options;
    options.family = familyOption("5");
    plan = sizeAll(sheet, options);
    ASSERT_FALSE(plan.feeders[0].failure);
    EXPECT_EQ(familyNames(plan.feeders[0].families), "600V CV及びEM 600V CE/F 2心、3心一括シース");
    EXPECT_EQ(sheet.cell(col::Cable, 0), "CV8゜");
    EXPECT_EQ(sheet.cell(col::Allowable, 0), "54");

    sheet = sheetWith(kSingleColumns, {"1|1|三相3線|50|──▶|10|40|0.8|XYZ|気中暗渠配線"});
    plan = sizeAll(sheet);
    ASSERT_TRUE(plan.feeders[0].failure);
    EXPECT_EQ(plan.feeders[0].failure->reason, "ケーブル「XYZ」はどの電線・ケーブルの系列にもない");
}

}  // namespace
}  // namespace tolvane::testing
