// The feeder calculations, the tap rule, the drawing checks and the review,
// run on sheet fixtures and compared cell by cell with the expected columns.
#include <gtest/gtest.h>

#include "calc_fixture.h"
#include "sheet/feeder_totals.h"
#include "sheet/feeder_totals_sheet.h"
#include "sheet/judgement.h"
#include "sheet/review.h"
#include "sheet/tap_rule.h"

namespace tolvane::sheetcalc {
namespace {

void runSteps(Sheet& sheet, const CalcFixture& f)
{
    for (FeederRange range : allFeederRanges(sheet)) {
        for (const std::string& step : f.steps) {
            if (step == "design") recalculateDesignCurrents(sheet, range);
            else if (step == "drops") computeSingleDrops(sheet, range);
            else if (step == "totals") computeFeederTotals(sheet, range, f.supply);
            else if (step == "tap") checkTapRule(sheet, range);
        }
    }
    for (const std::string& step : f.steps)
        if (step == "draw") applyDrawingChecks(sheet);
}

class FixtureTest : public ::testing::TestWithParam<const char*> {};

TEST_P(FixtureTest, ExpectedCellsAndReports)
{
    const CalcFixture f = readCalcFixture(GetParam());
    Sheet sheet = sheetOf(f.input);
    runSteps(sheet, f);

    ASSERT_FALSE(f.expect.rows.empty());
    for (std::size_t r = 0; r < f.expect.rows.size(); ++r)
        for (std::size_t c = 0; c < f.expect.rows[r].size(); ++c) {
            const int column = f.expect.columns[c];
            EXPECT_EQ(sheet.cell(column, static_cast<int>(r)), f.expect.rows[r][c])
                << "row " << r << ", column " << column;
        }

    if (f.hasReview) {
        const Review review = reviewJudgements(sheet);
        EXPECT_FALSE(review.error);
        std::vector<std::pair<int, std::string>> got;
        for (const auto& report : review.reports) got.emplace_back(report.row, report.text);
        EXPECT_EQ(got, f.review);
    }
}

INSTANTIATE_TEST_SUITE_P(SheetCalc, FixtureTest,
                         ::testing::Values("one_system.txt", "two_system.txt", "tap_rule.txt", "main_device.txt",
                                           "single_feeder.txt", "large_drop.txt", "drawing.txt",
                                           "paper_rounding.txt", "tap_rule_solid_wire.txt"),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

// The bulk range search must find what the single-feeder search finds.
TEST(AllFeederRanges, AgreesWithTheRangeOfEveryHeadRow)
{
    for (const char* name : {"main_device.txt", "tap_rule.txt"}) {
        const Sheet sheet = sheetOf(readCalcFixture(name).input);
        std::vector<FeederRange> expected;
        for (int r = 0; r < sheet.rowCount(); ++r)
            if (!sheet.cell(col::No, r).empty()) expected.push_back(findFeederRange(sheet, r));
        const auto ranges = allFeederRanges(sheet);
        ASSERT_EQ(ranges.size(), expected.size()) << name;
        ASSERT_EQ(ranges.size(), 3u) << name;
        for (std::size_t i = 0; i < ranges.size(); ++i) {
            EXPECT_EQ(ranges[i].s1, expected[i].s1) << name;
            EXPECT_EQ(ranges[i].e1, expected[i].e1) << name;
        }
    }
}

}  // namespace
}  // namespace tolvane::sheetcalc
