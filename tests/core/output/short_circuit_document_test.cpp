// The short-circuit document: the texts of a row line and the printed pages.
#include <gtest/gtest.h>

#include <algorithm>

#include "output/short_circuit_document.h"
#include "text/numbers.h"

namespace tolvane {
namespace {

std::vector<std::string> textsOf(const PrintPage& page)
{
    std::vector<std::string> texts;
    for (const Primitive& p : page.items)
        if (auto t = std::get_if<DrawText>(&p)) texts.push_back(t->text);
    return texts;
}

bool drawn(const PrintPage& page, const std::string& text)
{
    const std::vector<std::string> texts = textsOf(page);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// A computed three-phase row whose breaker is too weak for its bus.
ShortCircuitRow computedRow(int row)
{
    ShortCircuitRow r;
    r.row = row;
    r.name = "F-1";
    r.loadName = "動力盤";
    r.system = "三相3線";
    r.voltage = "200";
    r.cable = "CV-T150゜";
    r.length = "50";
    r.bank = "T1";
    r.start.checked = 28.4137;
    r.end.checked = 10.28;
    r.xOverR = 3.9058;
    r.powerFactor = 0.2480;
    r.peakKa = 59.251;
    r.breakerRating = "400";
    r.breakerIcu = "25";
    r.breakerRequired = "30";
    r.breakerCheck = CheckState::Failed;
    r.mainRating = "400";
    r.mainRequired = "215.30※";
    r.section = 150;
    r.minimumSection = 36.88;
    r.cableCheck = CheckState::Passed;
    r.judgement = "×：遮断器の遮断容量不足";
    return r;
}

TEST(ShortCircuitDocument, CellsOfAComputedRow)
{
    Sheet sheet;
    sheet.setCell(col::No, 3, "7");
    const std::vector<ShortCircuitCell> cells = shortCircuitCells(computedRow(3), sheet);
    ASSERT_EQ(cells.size(), static_cast<std::size_t>(sccol::Count));
    struct Expected {
        int column;
        const char* text;
        bool failed;
    };
    // Fixed decimals as the voltage-drop document prints them; whole values
    // without them; the required Icu beyond the ladder as a marked text.
    const Expected expected[] = {
        {sccol::No, "7", false},           {sccol::Length, "50", false},
        {sccol::StartKa, "28.41", false},  {sccol::EndKa, "10.28", false},
        {sccol::XOverR, "3.91", false},    {sccol::PowerFactor, "0.25", false},
        {sccol::Peak, "59.25", false},     {sccol::BreakerRating, "400", false},
        {sccol::BreakerIcu, "25", true},   {sccol::BreakerRequired, "30", true},
        {sccol::MainIcu, "", false},       {sccol::MainRequired, "215.30※", false},
        {sccol::Section, "150", false},    {sccol::MinimumSection, "36.88", false},
        {sccol::Judgement, "×：遮断器の遮断容量不足", true},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.column);
        EXPECT_EQ(cells[e.column].text, e.text);
        EXPECT_EQ(cells[e.column].failed, e.failed);
    }
    // The workbook writes the value, not the rounded text.
    EXPECT_DOUBLE_EQ(*cells[sccol::StartKa].number, 28.4137);
    EXPECT_FALSE(cells[sccol::MainRequired].number);
}

TEST(ShortCircuitDocument, RowsNotComputedShowTheirReasonAndWhatWasEntered)
{
    struct Case {
        const char* reason;
        bool red;
    };
    for (const Case& c : {Case{"対象外", false}, Case{"ケーブル「XYZ」は電線表にありません", true}}) {
        ShortCircuitRow r;
        r.reason = c.reason;
        r.breakerIcu = "abc";  // an entry that does not read stays in view
        r.start.checked = 99;  // never shown for a row not computed
        const std::vector<ShortCircuitCell> cells = shortCircuitCells(r, Sheet());
        EXPECT_EQ(cells[sccol::Judgement].text, c.reason);
        EXPECT_EQ(cells[sccol::Judgement].failed, c.red);
        EXPECT_EQ(cells[sccol::BreakerIcu].text, "abc");
        EXPECT_FALSE(cells[sccol::BreakerIcu].number);
        EXPECT_EQ(cells[sccol::StartKa].text, "");
    }
}

TEST(ShortCircuitDocument, HeadStatesTheConditionsAndAssumptions)
{
    SupplyConditions supply;
    TransformerBank single;
    single.name = "L1";
    single.phases = BankPhases::Single;
    single.kva = "100";
    single.percentZ = "2.5";
    single.loadLoss = "1300";
    single.hvKa = "";
    TransformerBank three;
    three.name = "T1";
    three.kva = "500";
    three.percentZ = "4.5";
    supply.banks = {single, three};
    supply.breakingTime = "0.05";
    const ShortCircuitHead head = shortCircuitHead(supply);
    ASSERT_EQ(head.banks.size(), 2u);
    EXPECT_EQ(head.banks[0], (std::vector<std::string>{"L1", "単相", "210/105", "100", "2.5", "1.30（負荷損 1300 W）",
                                                       "2.14", "無限大母線", ""}));
    EXPECT_EQ(head.banks[1][5], "0（記入なし）");
    EXPECT_EQ(head.banks[1][6], "4.50");
    EXPECT_NE(head.breakingTime.find("t = 0.05 s"), std::string::npos);
    // One line of the k table per insulation, k from its temperatures.
    ASSERT_EQ(head.kTable.size(), insulationClasses().size());
    EXPECT_EQ(head.kTable.back(), (std::vector<std::string>{"架橋ポリエチレン", "90", "230", "135.4"}));
}

TEST(ShortCircuitDocument, PagesCarryTitleHeadingsAndPageNumbersAsSet)
{
    ShortCircuitResult result;
    for (int r = 0; r < 60; ++r) result.rows.push_back(computedRow(r));
    TitleBlock title;
    title.building = "テスト ビル";
    title.date = "令和 5 年 12 月 9 日";
    title.frequency = "60";
    for (bool numbers : {true, false}) {
        title.pageNumbers = numbers;
        const PrintDocument doc = layoutShortCircuitPrint(result, Sheet(), SupplyConditions(), title);
        EXPECT_EQ(doc.jobTitle, "テスト ビル");
        EXPECT_FALSE(doc.failure);
        // The head takes room on the first page only.
        ASSERT_EQ(doc.pages.size(), 4u);
        std::size_t lines = 0;
        for (std::size_t p = 0; p < doc.pages.size(); ++p) {
            const PrintPage& page = doc.pages[p];
            SCOPED_TRACE(p);
            EXPECT_TRUE(drawn(page, "短絡電流計算書"));
            EXPECT_TRUE(drawn(page, " 建物名称  テスト ビル "));
            EXPECT_TRUE(drawn(page, "令和 5 年 12 月 9 日"));
            EXPECT_TRUE(drawn(page, "幹線保護用遮断器"));
            EXPECT_EQ(drawn(page, "P-" + std::to_string(p + 1)), numbers);
            EXPECT_EQ(drawn(page, "電源条件"), p == 0);
            const std::vector<std::string> texts = textsOf(page);
            lines += static_cast<std::size_t>(std::count(texts.begin(), texts.end(), "×：遮断器の遮断容量不足"));
            // Everything stays on the A4 landscape sheet.
            for (const Primitive& item : page.items) {
                if (auto t = std::get_if<DrawText>(&item)) {
                    EXPECT_GE(t->x, 0);
                    EXPECT_LT(t->x, 7016);
                    EXPECT_LT(t->y, 4961);
                }
            }
        }
        // Every row printed once, a failure included.
        EXPECT_EQ(lines, result.rows.size());
        EXPECT_TRUE(drawn(doc.pages[0], "電源（変圧器バンク）が設定されていません。"));
    }
}

TEST(ShortCircuitDocument, LongReasonGoesOnTwoSmallerLines)
{
    ShortCircuitResult result;
    ShortCircuitRow r;
    r.reason = "ケーブル「CV-T150゜」の種類を電線表から一つに決められません（CV-T と CVT）";
    result.rows.push_back(r);
    const PrintDocument doc = layoutShortCircuitPrint(result, Sheet(), SupplyConditions(), TitleBlock());
    std::string joined;
    for (const Primitive& p : doc.pages[0].items)
        if (auto t = std::get_if<DrawText>(&p); t && t->size == 6) joined += t->text;
    EXPECT_EQ(joined, r.reason);
}

}  // namespace
}  // namespace tolvane
