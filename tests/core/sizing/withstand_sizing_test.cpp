// Sizing with the building's transformer banks: every cable also withstands
// the short-circuit current at the start of its run for the breaking time.
#include <gtest/gtest.h>

#include "shortcircuit/short_circuit.h"
#include "sizing_fixture.h"

namespace tolvane::testing {
namespace {

// 三相 500 kVA, %Z 4.5, %R 1.2, 210 V behind 12.5 kA at 6.6 kV: 28.41 kA at the
// bus, where a CV cable needs 36.9 mm² for 0.02 s at 60 Hz.
SupplyConditions bank500()
{
    SupplyConditions supply;
    supply.banks.push_back(*parseBankSpec("T1,3,210,500,4.5,1.2,12.5,6.6").bank);
    return supply;
}

SizingPlan sizeWithstanding(Sheet& sheet, const SupplyConditions& supply)
{
    CableOffers offers(Tdensen(), CableConditions{});
    SizingPlan plan = planSizingWithstanding(sheet, allFeederRanges(sheet), {}, offers, supply);
    applySizing(sheet, plan);
    return plan;
}

TEST(WithstandSizing, TakesTheCableThatWithstandsTheBusCurrentAndSaysSo)
{
    // 70 A behind 75 A needs CV-T14゜ (86 A); the bus current needs 36.9 mm².
    const Sheet start = sheetWith(kSingleColumns, {"1|1|三相3線|75|──▶|10|70|0.8|CV-T8゜|気中暗渠配線"});
    Sheet sheet = start;
    SizingPlan plan = sizeWithstanding(sheet, {});
    EXPECT_EQ(sheet.cell(col::Cable, 0), "CV-T14゜");
    EXPECT_EQ(plan.feeders[0].changes[0].withstandSection, 0);

    sheet = start;
    plan = sizeWithstanding(sheet, bank500());
    ASSERT_FALSE(plan.feeders[0].failure) << plan.feeders[0].failure->reason;
    EXPECT_EQ(sheet.cell(col::Cable, 0), "CV-T38゜");
    ASSERT_EQ(plan.feeders[0].changes.size(), 1u);
    EXPECT_NEAR(plan.feeders[0].changes[0].withstandSection, 36.9, 0.05);

    // Conditions that do not check leave the withstand out and say why.
    SupplyConditions bad = bank500();
    bad.breakingTime = "0";
    sheet = start;
    plan = sizeWithstanding(sheet, bad);
    EXPECT_EQ(sheet.cell(col::Cable, 0), "CV-T14゜");
    EXPECT_TRUE(plan.withstandProblem.starts_with("短絡電流の電源条件: ")) << plan.withstandProblem;
}

TEST(WithstandSizing, SizesADwellingFeederUntilEveryCableWithstandsItsCurrent)
{
    // A 100 A head of 5 m and three dwellings of 10 A 2 m apart, near the
    // 500 kVA bank: the head's cable sets the current at every run after it.
    std::vector<std::string> rows = {"1|1|三相3線|100|-─▶┌|5|幹線||0.95|CV-T8゜|気中暗渠配線|"};
    for (int d = 1; d <= 3; ++d) {
        rows.push_back(std::string("|1|||") + (d > 1 ? "│　" : "┌─┘") + "|2|||0.95|CV-T8゜|気中暗渠配線|1");
        rows.push_back(std::string("|1|||") + (d < 3 ? "├─▶" : "└─▶") + "|||10|0.95|||1");
    }
    sheetcalc::CellTable table;
    for (const std::string& c : sheetcalc::splitCells("0|26|2|4|5|6|7|9|10|11|12|22"))
        table.columns.push_back(std::stoi(c));
    for (const std::string& row : rows) table.rows.push_back(sheetcalc::splitCells(row));
    Sheet sheet = sheetcalc::sheetOf(table);
    const SupplyConditions supply = bank500();
    const SizingPlan plan = sizeWithstanding(sheet, supply);
    ASSERT_FALSE(plan.feeders[0].failure) << plan.feeders[0].failure->reason;
    EXPECT_TRUE(checkReports(sheet, allFeederRanges(sheet).front()).empty());

    bool decided = false;
    for (const RowChange& change : plan.feeders[0].changes) decided = decided || change.withstandSection > 0;
    EXPECT_TRUE(decided);
    // 36.9 mm² at the bus and 23.6 mm² after the head's 5 m of CV-T38゜, which
    // a thinner head would have left lower.
    EXPECT_EQ(sheet.cell(col::Cable, 0), "CV-T38゜");
    EXPECT_EQ(sheet.cell(col::Cable, 1), "CV-T38゜");
    for (const ShortCircuitRow& row : computeShortCircuit(sheet, supply, 60).rows) {
        SCOPED_TRACE("row " + std::to_string(row.row));
        EXPECT_TRUE(row.computed()) << row.reason;
        EXPECT_NE(row.cableCheck, CheckState::Failed) << row.section << " < " << row.minimumSection;
    }
}

}  // namespace
}  // namespace tolvane::testing
