#include <gtest/gtest.h>

#include "app/era.h"
#include "app/tform1.h"

using namespace tolvane;

namespace {
TForm1 windowOn(CivilDate date)
{
    TForm1 form;
    form.today = [date] { return date; };
    return form;
}
}  // namespace

TEST(StartUp, WindowSizeFollowsTheScreen)
{
    struct Case {
        int sw, sh, w, h;
    } cases[] = {{1920, 1080, 1584, 810}, {1600, 900, 1584, 675}, {1360, 768, 1360, 798},
                 {1280, 1024, 1255, 768}, {1024, 768, 1584, 798}, {1366, 768, 1584, 798}};
    for (const auto& c : cases) {
        WindowSize s = startupWindowSize(c.sw, c.sh);
        EXPECT_EQ(s.width, c.w) << c.sw << "x" << c.sh;
        EXPECT_EQ(s.height, c.h) << c.sw << "x" << c.sh;
    }
}

TEST(StartUp, ResizeRuleSizesSheetJudgementColumnAndPointerGuide)
{
    WindowLayout l = layoutForWindow(1584, 798);
    EXPECT_EQ(l.sheetWidth, 1564);
    EXPECT_EQ(l.sheetHeight, 678);
    EXPECT_EQ(l.judgementWidth, 214);
    EXPECT_EQ(l.pointerGuideWidth, 1544);
    // Visible columns are 0..18, 21 and 31; the rest are hidden.
    for (int c = 0; c < kSheetColumns; ++c) {
        bool visible = c <= 18 || c == 31;
        EXPECT_EQ(kColumnWidths[c] > 0, visible) << c;
    }
}

TEST(StartUp, CreationAndFirstShowingSetTheSharedFields)
{
    TForm1 form = windowOn({2026, 12, 9});
    form.FormCreate("/opt/tolvane/tolvane", {"/tmp/a.ksk", "ignored"}, 1920, 1080);
    EXPECT_EQ(form.strFileName, "/opt/tolvane/tolvane");
    EXPECT_EQ(form.strFilePath, "/opt/tolvane/");
    EXPECT_EQ(form.commandLineFile, "/tmp/a.ksk");  // opened when the window is first shown
    EXPECT_EQ(form.StringGrid1.rowCount(), 108);
    EXPECT_FALSE(form.modified);
    form.FormShow();
    EXPECT_EQ(form.kansenno, 1);
    EXPECT_EQ(form.keitou, 1);
    EXPECT_EQ(form.Label56, "令和");
    EXPECT_EQ(form.Edit25, "8");
    EXPECT_EQ(form.FileName, "");  // a file that cannot be opened gives the window no name
}

TEST(TitleBlock, TodayWritesEraYearMonthAndDay)
{
    struct Case {
        CivilDate date;
        const char* era;
        const char* year;
    } cases[] = {{{2019, 6, 1}, "令和", "元"},   {{2023, 1, 5}, "令和", "5"},    {{2019, 5, 1}, "令和", "元"},
                 {{2019, 4, 30}, "平成", "31"},  {{2018, 6, 1}, "平成", "30"},   {{1989, 1, 8}, "平成", "元"},
                 {{1989, 1, 7}, "昭和", "64"},   {{1926, 12, 25}, "昭和", "元"}, {{1926, 12, 24}, "大正", "15"},
                 {{2000, 2, 29}, "平成", "12"}};
    for (const auto& c : cases) {
        TForm1 form = windowOn(c.date);
        form.Button124Click();
        EXPECT_EQ(form.Label56, c.era);
        EXPECT_EQ(form.Edit2, c.era);
        EXPECT_EQ(form.Edit25, c.year) << c.date.year;
        EXPECT_EQ(form.Edit3, std::to_string(c.date.year));
        EXPECT_EQ(form.Edit26, std::to_string(c.date.month));
        EXPECT_EQ(form.Edit27, std::to_string(c.date.day));
    }
}

TEST(TitleBlock, EraConversionBetweenWesternAndEraYears)
{
    TForm1 form = windowOn({2026, 12, 9});
    struct Case {
        const char* western;
        const char* era;
        const char* year;
    } cases[] = {{"2019", "令和", "元"}, {"2018", "平成", "30"}, {"1989", "平成", "元"}, {"1988", "昭和", "63"}};
    for (const auto& c : cases) {
        form.Edit3 = c.western;
        form.Button20Click();
        EXPECT_EQ(form.Label56, c.era) << c.western;
        EXPECT_EQ(form.Edit25, c.year) << c.western;
    }
    // In the year an era began, the month and day decide.
    struct DateCase {
        const char *western, *month, *day, *era, *year;
    } dated[] = {{"2019", "4", "30", "平成", "31"}, {"2019", "5", "1", "令和", "元"}, {"1989", "1", "7", "昭和", "64"},
                 {"2019", "", "", "令和", "元"}};
    for (const auto& c : dated) {
        TForm1 f = windowOn({2026, 12, 9});
        f.Edit3 = c.western;
        f.Edit26 = c.month;
        f.Edit27 = c.day;
        f.Button20Click();
        EXPECT_EQ(f.Label56, c.era) << c.western << "-" << c.month << "-" << c.day;
        EXPECT_EQ(f.Edit25, c.year) << c.western << "-" << c.month << "-" << c.day;
    }
    form.Edit3 = "1900";  // before 昭和: nothing changes
    form.Button20Click();
    EXPECT_EQ(form.Label56, "昭和");

    // 西暦 display: era and year within it give the western year.
    form.Label56 = "平成";
    form.Edit25 = "元";
    form.RadioButton4Click();
    EXPECT_EQ(form.Edit3, "1989");
    EXPECT_EQ(form.Edit25, "8");  // the year box takes this year's 令和 count
    EXPECT_TRUE(form.Edit3Visible);
    EXPECT_FALSE(form.Label56Visible);
    EXPECT_EQ(form.Label67, "1900年");  // taken before the conversion runs
}

TEST(TitleBlock, RadioButtonsRunTheirBehaviourOnlyOnAChange)
{
    TForm1 form;
    form.RadioButton2Click();
    EXPECT_EQ(form.Label66, "50Hz");
    EXPECT_EQ(form.frequency(), 50);
    form.Label66 = "x";
    form.RadioButton2Click();
    EXPECT_EQ(form.Label66, "x");
    form.RadioButton1Click();
    EXPECT_EQ(form.Label66, "60Hz");
    EXPECT_EQ(form.frequency(), 60);
}

TEST(Era, EraOfDatesAndWesternYears)
{
    EXPECT_EQ(eraOf({2019, 5, 1}).era, "令和");
    EXPECT_EQ(eraOf({1989, 1, 7}).era, "昭和");
    EXPECT_EQ(eraOf({1989, 1, 7}).year, 64);
    EXPECT_EQ(eraOf({1926, 12, 25}).era, "昭和");
    EXPECT_EQ(eraOf({1912, 7, 30}).era, "大正");
    EXPECT_EQ(westernYearOf("令和", 5), 2023);
    EXPECT_EQ(westernYearOf("平成", 1), 1989);
    EXPECT_EQ(westernYearOf("x", 1), 0);
    EXPECT_EQ(eraYearText(1), "元");
}

TEST(TitleBlock, TheBuildingNameHintNamesCharactersTheFileCannotHold)
{
    struct Case {
        const char* typed;
        const char* hint;
    } cases[] = {
        {"本社ビル　東棟①", ""},
        {"𠮷田ビル😀😀", "「𠮷」(U+20BB7)「😀」(U+1F600) はファイルの文字コード（シフトJIS）で表せないため、「?」として保存されます"},
    };
    TForm1 form;
    for (const auto& c : cases) {
        form.Edit1 = c.typed;
        form.Edit1Change();
        EXPECT_EQ(form.Edit1Hint, c.hint) << c.typed;
    }
}
