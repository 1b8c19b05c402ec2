#include <gtest/gtest.h>

#include <chrono>

#include "output/page_record.h"
#include "output_fixtures.h"
#include "text/numbers.h"

namespace tolvane {
namespace {

using test::feedersOf;

std::vector<int> lineNumbers(const Sheet& sheet, int last)
{
    std::vector<int> lines;
    for (int r = 0; r <= last; ++r) lines.push_back(parseWhole(sheet.cell(col::LineNo, r)));
    return lines;
}

std::vector<int> range(int from, int to)
{
    std::vector<int> v;
    for (int i = from; i <= to; ++i) v.push_back(i);
    return v;
}

std::vector<int> concat(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(PageRecord, FeedersThatDoNotFitStartANewPage)
{
    struct Case {
        std::vector<int> feeders;
        std::vector<int> lines;
        int maxrowsu;
        int pagesu;
    };
    const Case cases[] = {
        {{18}, range(1, 18), 17, 1},
        {{19}, concat(range(1, 18), {1}), 18, 2},
        {{20}, concat(range(1, 18), {1, 2}), 19, 2},
        // 10 + 10 > 18: the second feeder moves on; the third follows it.
        {{10, 10, 5}, concat(range(1, 10), range(1, 15)), 24, 2},
        // An empty row between feeders takes a line of its own.
        {{5, 0, 3}, range(1, 9), 8, 1},
        {{17, 0, 2}, concat(range(1, 18), {1, 2}), 19, 2},
        {{1, 18}, concat({1}, range(1, 18)), 18, 2},
    };
    for (const Case& c : cases) {
        Sheet sheet = feedersOf(c.feeders);
        PageRecord record = recordPages(sheet, 0);
        EXPECT_EQ(record.maxrowsu, c.maxrowsu);
        EXPECT_EQ(record.pagesu, c.pagesu);
        EXPECT_EQ(lineNumbers(sheet, record.maxrowsu), c.lines);
        EXPECT_EQ(sheet.cell(col::LineNo, record.maxrowsu + 1), "");
    }
}

TEST(PageRecord, WritesEachFeedersPageCountOnItsHeadRow)
{
    const std::pair<int, std::string> counts[] = {{1, "1"}, {17, "1"}, {18, "2"}, {36, "2"}, {37, "3"}, {54, "4"}};
    for (auto [rows, pages] : counts) {
        Sheet sheet = feedersOf({rows});
        recordPages(sheet, 0);
        EXPECT_EQ(sheet.cell(col::Pages, 0), pages) << rows << " rows";
        EXPECT_EQ(sheet.cell(col::Pages, 1), "");
    }
}

TEST(PageRecord, SheetWithoutHeadRowsKeepsTheLastRow)
{
    Sheet sheet(30);
    PageRecord record = recordPages(sheet, 20);
    EXPECT_EQ(record.maxrowsu, 20);
    EXPECT_EQ(record.pagesu, 2);
    EXPECT_EQ(sheet.cell(col::LineNo, 20), "3");
    EXPECT_EQ(sheet.cell(col::LineNo, 21), "");
}

TEST(PageRecord, RowCountThatIsNoNumberStopsIt)
{
    Sheet sheet = feedersOf({2, 3});
    sheet.setCell(col::RowTotal, 2, "x");
    EXPECT_THROW(recordPages(sheet, 0), ConversionError);
    EXPECT_EQ(sheet.cell(col::Pages, 0), "1");  // written before the bad row stays written
}

TEST(PageRecord, FeedersSpanTheirRowsWhateverTheirStoredCountSays)
{
    // Feeders of 5 and 20 rows, then empty rows; the head rows' counts are damaged.
    auto lines = [](const Sheet& sheet) {
        std::vector<std::string> texts;
        for (int r = 0; r < 40; ++r) texts.push_back(sheet.cell(col::LineNo, r));
        return texts;
    };
    const Sheet sound = feedersOf({5, 20});
    Sheet expected = sound;
    const PageRecord right = recordPages(expected, 0);
    ASSERT_EQ(right.maxrowsu, 24);
    ASSERT_EQ(right.pagesu, 3);
    for (const char* count : {"99999", "2147483647", "1", "0", "-7"}) {
        Sheet sheet = sound;
        sheet.setCell(col::RowTotal, 0, count);
        sheet.setCell(col::RowTotal, 5, count);
        auto start = std::chrono::steady_clock::now();
        const PageRecord record = recordPages(sheet, 0);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << count;
        EXPECT_EQ(record.maxrowsu, right.maxrowsu) << count;
        EXPECT_EQ(record.pagesu, right.pagesu) << count;
        EXPECT_EQ(lines(sheet), lines(expected)) << count;
        EXPECT_EQ(sheet.cell(col::Pages, 0), "1") << count;
        EXPECT_EQ(sheet.cell(col::Pages, 5), "2") << count;
    }
}

TEST(PageRecord, WindowCommandSetsItsFields)
{
    TForm1 form;
    form.StringGrid1 = feedersOf({10, 10, 5});
    form.maxrowsu = 99;
    form.Button14Click();
    EXPECT_EQ(form.maxrowsu, 24);
    EXPECT_EQ(form.pagesu, 2);
}

}  // namespace
}  // namespace tolvane
