#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "output/print_page.h"
#include "output_fixtures.h"
#include "text/numbers.h"

namespace tolvane {
namespace {

std::vector<DrawText> textsOf(const PrintPage& page)
{
    std::vector<DrawText> texts;
    for (const Primitive& p : page.items)
        if (auto t = std::get_if<DrawText>(&p)) texts.push_back(*t);
    return texts;
}

// The texts drawn at x (an item column) on a page, top to bottom.
std::vector<DrawText> column(const PrintPage& page, int x)
{
    std::vector<DrawText> out;
    for (const DrawText& t : textsOf(page))
        if (t.x == x && t.y >= 1100 && t.y < 3854) out.push_back(t);
    return out;
}

std::optional<DrawText> textAt(const PrintPage& page, int x, int y)
{
    for (const DrawText& t : textsOf(page))
        if (t.x == x && t.y == y) return t;
    return std::nullopt;
}

bool has(const PrintPage& page, const Primitive& item)
{
    return std::find(page.items.begin(), page.items.end(), item) != page.items.end();
}

TEST(PrintNumber, FormatsAsTheDocumentShowsNumbers)
{
    struct Case {
        const char* cell;
        int decimals;
        int width;
        std::optional<std::string> printed;
    };
    const Case cases[] = {
        {"100", 2, 5, "  100"},
        {"75.5", 2, 5, "75.50"},
        {"12.5", 2, 8, "   12.50"},
        {"1234", 2, 8, "   1,234"},
        {"1234.5", 2, 8, " 1234.50"},   // keeps its decimals, so no separator
        {"1,234.50", 2, 8, " 1234.50"},  // as the sheet writes larger currents
        {"0.1", 3, 8, "   0.100"},
        {"0.25", 3, 8, "   0.250"},
        {"2", 3, 8, "       2"},
        {"1", 3, 8, "       1"},
        {"99.999", 2, 8, "     100"},
        {"", 2, 8, std::nullopt},
        {"0", 2, 8, std::nullopt},
        {"0.00", 2, 8, std::nullopt},
        {"0.001", 2, 8, std::nullopt},
        {"-0.001", 2, 8, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(printNumber(c.cell, c.decimals, c.width), c.printed) << c.cell;
    EXPECT_THROW(printNumber("Z", 3, 8), ConversionError);
    // A separator out of its place is no number, never another number.
    for (const char* cell : {"1,2", "1,2345", "12,34.5", "1,234.5,6", ",123", "1,,234", "1234,567", "1,234,56"})
        EXPECT_THROW(printNumber(cell, 2, 8), ConversionError) << cell;
}

TEST(PrintLayout, MisplacedThousandsSeparatorStopsThePrintAtItsCell)
{
    TForm1 form = test::windowWith("small.ksk");
    form.StringGrid1.setCell(col::Current, 2, "1,2");
    PrintDocument doc = form.printDocument();
    ASSERT_TRUE(doc.failure);
    EXPECT_EQ(doc.failure->row, 2);
    EXPECT_EQ(doc.failure->column, col::Current);
    EXPECT_EQ(doc.failure->text, "1,2");
}

TEST(PrintNumber, PageScaleFollowsTheDeviceResolution)
{
    EXPECT_EQ(pageScale(600), 1.0);
    EXPECT_EQ(pageScale(1200), 2.0);
    EXPECT_EQ(pageScale(720), 1.0);  // whole quotient: the page comes out at 600/720
    EXPECT_EQ(pageScale(300), 0.5);  // coarse devices still get the whole page
}

TEST(PrintLayout, ItemLinesOfTheSampleSheet)
{
    TForm1 form = test::windowWith("small.ksk");
    PrintDocument doc = layoutPrint(form.StringGrid1, form.titleBlock());
    ASSERT_FALSE(doc.failure);
    ASSERT_EQ(doc.pages.size(), 1u);
    const PrintPage& page = doc.pages[0];
    const int y0 = 1142;

    // Row 0: texts as stored, numbers formatted, remarks not drawn.
    EXPECT_EQ(textAt(page, 580, y0)->text, "L-1");
    EXPECT_EQ(textAt(page, 1022, y0)->text, "三相3線");
    EXPECT_EQ(textAt(page, 1303, y0)->text, "200");
    EXPECT_EQ(textAt(page, 1648, y0)->text, "75.50");
    EXPECT_EQ(*textAt(page, 1860, y0 - 15), (DrawText{1860, y0 - 15, 12, false, "──▶"}));
    EXPECT_EQ(textAt(page, 2140, y0)->text, "   25.50");
    EXPECT_EQ(textAt(page, 2450, y0)->text, "電灯盤１");
    EXPECT_EQ(textAt(page, 2830, y0)->text, "      75");
    EXPECT_EQ(textAt(page, 3130, y0)->text, "   60.50");
    EXPECT_EQ(textAt(page, 3390, y0)->text, "    0.80");
    EXPECT_EQ(textAt(page, 3705, y0)->text, "CV 38sq-3C");
    EXPECT_EQ(textAt(page, 4132, y0 - 32)->text, "[ｹｰﾌﾞﾙﾗｯｸ配線]");
    EXPECT_EQ(textAt(page, 4132, y0 + 32)->text, "(保護管配線)");
    EXPECT_EQ(textAt(page, 4610, y0)->text, "     150");
    EXPECT_EQ(textAt(page, 4945, y0)->text, "   0.529");
    EXPECT_EQ(textAt(page, 5211, y0)->text, "    1.23");
    EXPECT_EQ(textAt(page, 5694, y0)->text, "       6");
    for (const DrawText& t : textsOf(page)) EXPECT_NE(t.text, "予備回路");

    // Lines 153 units apart; the other method shows one line.
    EXPECT_EQ(textAt(page, 4132, y0 + 153 * 2)->text, "保護管配線");
    // Row 7: long load name split after eleven units, but not drawn
    // because its length is empty; impedance 2 without decimals; drop 0 blank.
    EXPECT_FALSE(textAt(page, 2450, y0 + 153 * 7 - 33));
    EXPECT_EQ(textAt(page, 3130, y0 + 153 * 7)->text, " 1234.50");
    EXPECT_EQ(textAt(page, 4945, y0 + 153 * 7)->text, "       2");
    EXPECT_FALSE(textAt(page, 5211, y0 + 153 * 7));
    EXPECT_EQ(column(page, 580).size(), 3u);  // three feeders named
    for (const DrawText& t : column(page, 580)) EXPECT_EQ(t.size, 8);
}

TEST(PrintLayout, LoadNameSplitsByHalfWidthUnits)
{
    struct Case {
        std::string name;
        std::vector<std::tuple<int, int, std::string>> lines;  // y offset, size, text
    };
    // The first line holds at most 11 half-width units; a second line that
    // still does not fit is drawn smaller.
    const Case cases[] = {
        {"ポンプ制御A", {{0, 8, "ポンプ制御A"}}},  // 11 units
        {"事務室コンセント", {{-33, 8, "事務室コン"}, {33, 8, "セント"}}},  // 16 units
        {"ポンプ制御盤", {{-33, 8, "ポンプ制御"}, {33, 8, "盤"}}},
        {"ABCDEFGHIJKL", {{-33, 8, "ABCDEFGHIJK"}, {33, 8, "L"}}},
        {"空調室外機１号系統A", {{-33, 8, "空調室外機"}, {33, 8, "１号系統A"}}},
        {"空調室外機１号系統ＡＢＣＤ", {{-33, 8, "空調室外機"}, {33, 5, "１号系統ＡＢＣＤ"}}},  // 16 units on line 2
    };
    for (const Case& c : cases) {
        Sheet sheet = test::feedersOf({1});
        sheet.setCell(col::Length, 0, "10");
        sheet.setCell(col::LoadName, 0, c.name);
        PrintDocument doc = layoutPrint(sheet, TitleBlock{});
        std::vector<std::tuple<int, int, std::string>> got;
        for (const DrawText& t : column(doc.pages[0], 2450)) got.push_back({t.y - 1142, t.size, t.text});
        EXPECT_EQ(got, c.lines) << c.name;
    }
}

TEST(PrintLayout, TextsTooLongForTheirColumnAreDrawnSmaller)
{
    struct Case {
        int column, x;
        std::string text;
        int size;
    };
    const Case cases[] = {
        {col::Name, 580, "電灯幹線１２号", 7},                // 14 units: 12 fit at 8 pt, 14 at 7 pt
        {col::Name, 580, "L-1", 8},
        {col::Cable, 3705, "CV 38sq-3C", 8},                  // 10 units
        {col::Cable, 3705, "CV 325sq-1Cx3 ×2条", 5},          // 19 units: 12 fit at 8 pt
        {col::System, 1022, "三相4線", 8},
        {col::Voltage, 1303, "230/400", 8},
    };
    for (const Case& c : cases) {
        Sheet sheet = test::feedersOf({1});
        sheet.setCell(c.column, 0, c.text);
        PrintDocument doc = layoutPrint(sheet, TitleBlock{});
        std::optional<DrawText> t = textAt(doc.pages[0], c.x, 1142);
        ASSERT_TRUE(t) << c.text;
        EXPECT_EQ(t->text, c.text);
        EXPECT_EQ(t->size, c.size) << c.text;
    }
}

TEST(PrintLayout, EighteenLinesAPageAndNoEmptyLastPage)
{
    const std::pair<int, std::size_t> cases[] = {{1, 1}, {18, 1}, {19, 2}, {36, 2}, {37, 3}};
    for (auto [rows, pages] : cases) {
        Sheet sheet = test::feedersOf({rows});
        PrintDocument doc = layoutPrint(sheet, TitleBlock{"B", "", "", "60", true});
        ASSERT_EQ(doc.pages.size(), pages) << rows;
        const PrintPage& last = doc.pages.back();
        int linesOnLast = rows - 18 * static_cast<int>(pages - 1);
        EXPECT_EQ(column(last, 1860).size(), static_cast<std::size_t>(linesOnLast));
        EXPECT_EQ(column(last, 1860).back().y, 1142 + 153 * (linesOnLast - 1) - 15);
        EXPECT_TRUE(textAt(last, 6600, 4650));
        EXPECT_EQ(textAt(last, 6600, 4650)->text, "P-" + std::to_string(pages));
    }
}

TEST(PrintLayout, EmptySheetPrintsOneFramedPage)
{
    PrintDocument doc = layoutPrint(Sheet(), TitleBlock{"", "", "", "50", false});
    ASSERT_EQ(doc.pages.size(), 1u);
    const PrintPage& page = doc.pages[0];
    EXPECT_TRUE(has(page, DrawRect{560, 450, 6320, 4300, 10}));
    EXPECT_EQ(textAt(page, 1398, 622)->text, "50");
    EXPECT_EQ(textAt(page, 6098, 867)->text, "備考");
    EXPECT_FALSE(textAt(page, 6600, 4650));  // page numbers not printed
}

TEST(PrintLayout, PageFurnitureFrameAndPens)
{
    TForm1 form = test::windowWith("small.ksk");
    form.RadioButton3 = false;
    form.RadioButton4 = true;
    form.Label56Visible = false;  // western display: the print still shows the era date
    form.Edit3 = "2023";
    form.StringGrid1 = test::feedersOf({19});
    PrintDocument doc = layoutPrint(form.StringGrid1, form.titleBlock());
    ASSERT_EQ(doc.pages.size(), 2u);
    EXPECT_EQ(doc.jobTitle, "テスト ビル");
    for (std::size_t p = 0; p < 2; ++p) {
        const PrintPage& page = doc.pages[p];
        EXPECT_EQ(*textAt(page, 5800, 375), (DrawText{5800, 375, 7, false, "(様式 電－８－１) "}));
        EXPECT_EQ(*textAt(page, 650, 492), (DrawText{650, 492, 9, false, "電路計算書（幹線用）"}));
        EXPECT_EQ(*textAt(page, 2170, 492), (DrawText{2170, 492, 9, true, " 建物名称  テスト ビル "}));
        EXPECT_EQ(*textAt(page, 5500, 492), (DrawText{5500, 492, 8, true, "令和 5 年 12 月 9 日"}));
        EXPECT_EQ(textAt(page, 850, 622)->text, "周波数 [Hz]：");
        EXPECT_EQ(textAt(page, 1398, 622)->text, "60");
        EXPECT_EQ(*textAt(page, 6140, 4315), (DrawText{6140, 4315, 7, false, "Ｈ２１"}));
        EXPECT_EQ(*textAt(page, 3950, 980), (DrawText{3950, 980, 5, false, "2"}));
        EXPECT_EQ(*textAt(page, 4325, 4091), (DrawText{4325, 4091, 8, false, "√"}));
        EXPECT_EQ(*textAt(page, 4946, 805), (DrawText{4946, 805, 7, false, "電線1Kmあ"}));
        EXPECT_EQ(*textAt(page, 6600, 4650), (DrawText{6600, 4650, 9, false, "P-" + std::to_string(p + 1)}));
        EXPECT_TRUE(has(page, DrawRect{560, 450, 6320, 4300, 10}));
        EXPECT_TRUE(has(page, DrawLine{560, 1100 + 153, 6320, 1100 + 153, 3}));
        EXPECT_TRUE(has(page, DrawLine{560, 3854, 6320, 3854, 3}));
        EXPECT_TRUE(has(page, DrawLine{560, 3854, 6320, 3854, 7}));
        EXPECT_TRUE(has(page, DrawLine{5505, 852, 5505, 3854, 2}));
        EXPECT_TRUE(has(page, DrawLine{1295, 600, 1295, 3854, 2}));
        EXPECT_TRUE(has(page, DrawLine{3689, 775, 5244, 775, 2}));
        // The footnote rules keep the pen the previous frame left behind.
        const int pen = p == 0 ? 1 : 2;
        EXPECT_TRUE(has(page, DrawLine{995, 4090, 1290, 4090, pen}));
        EXPECT_TRUE(has(page, DrawLine{3428, 4243, 4628, 4243, pen}));
        int lines = 0, rects = 0;
        for (const Primitive& item : page.items) {
            lines += std::holds_alternative<DrawLine>(item);
            rects += std::holds_alternative<DrawRect>(item);
        }
        EXPECT_EQ(rects, 1);
        EXPECT_EQ(lines, 5 + 3 + 18 + 1 + 17 + 2);
        EXPECT_EQ(textsOf(page).size() - column(page, 1860).size() - column(page, 580).size(),
                  7u + 48u + 21u + 1u);
    }
}

TEST(PrintLayout, CellThatIsNoNumberStopsThePrintWhereItIs)
{
    TForm1 form = test::windowWith("bad_cell.ksk");
    PrintDocument doc = form.printDocument();
    ASSERT_TRUE(doc.failure);
    EXPECT_EQ(doc.failure->row, 8);
    EXPECT_EQ(doc.failure->column, col::Impedance);
    EXPECT_EQ(doc.failure->text, "Z");
    ASSERT_EQ(doc.pages.size(), 1u);
    const PrintPage& page = doc.pages[0];
    // The bad line is drawn up to the bad cell; the page gets no frame.
    const int y = 1142 + 153 * 8;
    EXPECT_EQ(textAt(page, 580, y)->text, "P-2");
    EXPECT_EQ(textAt(page, 4610, y)->text, "     150");
    EXPECT_FALSE(textAt(page, 5211, y));
    EXPECT_FALSE(textAt(page, 650, 492));
    for (const Primitive& item : page.items) EXPECT_TRUE(std::holds_alternative<DrawText>(item));
    EXPECT_EQ(printFailureText(*doc.failure),
              "情報不足で印刷出来ませんでした。\n（9 行目の ｲﾝﾋﾟｰﾀﾞﾝｽ：「Z」は数値ではありません）");
    // The page record ran first.
    EXPECT_EQ(form.StringGrid1.cell(col::LineNo, 8), "9");
}

TEST(PrintLayout, UnusableCellsAreTheCellsThatStopThePrintAndTheImpossibleValues)
{
    const int numberColumns[] = {col::Breaker, col::Length,    col::MainDevice, col::Current,  col::PowerFactor,
                                 col::Allowable, col::Impedance, col::Drop,     col::DropSum, col::AllowableDrop};
    for (int column : numberColumns) {
        for (const char* text : {"Z", "1,2", "nan", "inf", "１２", "0.5", "1,234"}) {
            Sheet sheet = test::feedersOf({2});
            sheet.setCell(column, 1, text);
            const PrintDocument doc = layoutPrint(sheet, TitleBlock{});
            const std::vector<CellFault> faults = unusableCells(sheet);
            const bool stops = doc.failure.has_value();
            EXPECT_EQ(stops, !tryParseGrouped(text)) << column << " " << text;
            if (stops) {
                ASSERT_EQ(faults.size(), 1u) << column << " " << text;
                EXPECT_EQ(faults[0].row, doc.failure->row);
                EXPECT_EQ(faults[0].column, doc.failure->column);
            } else if (column != col::Length && column != col::Current && column != col::PowerFactor) {
                EXPECT_TRUE(faults.empty()) << column << " " << text;
            }
        }
    }
    // Values the print shows but no run can be calculated with.
    struct Case {
        int column;
        const char* text;
        bool usable;
    };
    const Case values[] = {
        {col::Length, "-5", false},        {col::Length, "0", true},           {col::Length, "10000", true},
        {col::Length, "10000.01", false},  {col::Current, "-0.1", false},      {col::Current, "1,234", true},
        {col::Current, "10,001", false},   {col::PowerFactor, "0", false},     {col::PowerFactor, "1", true},
        {col::PowerFactor, "1.01", false}, {col::PowerFactor, "0.01", true},   {col::PowerFactor, "", true},
    };
    for (const Case& v : values) {
        Sheet sheet = test::feedersOf({2});
        sheet.setCell(v.column, 1, v.text);
        const std::vector<CellFault> faults = unusableCells(sheet);
        EXPECT_EQ(faults.empty(), v.usable) << v.column << " " << v.text;
        if (!faults.empty()) {
            EXPECT_EQ(faults[0].row, 1);
            EXPECT_EQ(faults[0].column, v.column);
        }
    }
    // A head row's row count that is no whole number.
    Sheet sheet = test::feedersOf({2});
    sheet.setCell(col::RowTotal, 0, "3.5");
    const std::vector<CellFault> faults = unusableCells(sheet);
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0].message, "列 24 幹線の行数：「3.5」は行数ではありません");
}

TEST(PrintLayout, RowCountThatIsNoNumberStopsBeforeAnyPage)
{
    TForm1 form;
    form.StringGrid1 = test::feedersOf({2, 3});
    form.StringGrid1.setCell(col::RowTotal, 2, "3.5");
    PrintDocument doc = form.printDocument();
    ASSERT_TRUE(doc.failure);
    EXPECT_EQ(doc.failure->row, 2);
    EXPECT_EQ(doc.failure->column, col::RowTotal);
    EXPECT_TRUE(doc.pages.empty());
}

}  // namespace
}  // namespace tolvane
