#include <gtest/gtest.h>

#include <filesystem>

#include "output/workbook_plan.h"
#include "output/workbook_writer.h"
#include "output_fixtures.h"
#include "text/numbers.h"

namespace tolvane {
namespace {

std::vector<std::string> namesOf(const WorkbookPlan& plan)
{
    std::vector<std::string> names;
    for (const WorksheetPlan& w : plan.worksheets) names.push_back(w.name);
    return names;
}

std::vector<int> sheetRowsOf(const WorksheetPlan& w)
{
    std::vector<int> rows;
    for (const ItemLine& l : w.lines) rows.push_back(l.sheetRow);
    return rows;
}

TEST(WorksheetNames, RepeatedTitlesGetARunningCounter)
{
    using V = std::vector<std::string>;
    auto unique = [](const V& texts) {
        std::vector<SheetTitle> titles;
        for (const std::string& t : texts) titles.push_back({t, ""});
        return uniqueSheetNames(titles);
    };
    EXPECT_EQ(unique(V{"電路計算書 L-1", "電路計算書 L-1", "電路計算書 L-1"}),
              (V{"電路計算書 L-1", "電路計算書 L-1(1)", "電路計算書 L-1(2)"}));
    // The counter runs over the whole list, not per name.
    EXPECT_EQ(unique(V{"A", "A", "B", "B"}), (V{"A", "A(1)", "B", "B(2)"}));
    // Spreadsheets take "l-1" and "L-1" for the same name.
    EXPECT_EQ(unique(V{"L-1", "l-1"}), (V{"L-1", "l-1(1)"}));
    // A lengthened title that meets a title it had passed is lengthened again.
    EXPECT_EQ(unique(V{"A(1)", "A", "A"}), (V{"A(1)", "A", "A(1)(2)"}));
    // Room for the counter is made within 31 characters.
    const std::string long31(31, 'x');
    EXPECT_EQ(unique(V{long31, long31}), (V{long31, std::string(28, 'x') + "(1)"}));
}

TEST(WorksheetNames, NamesASpreadsheetRefusesAreMadeValid)
{
    EXPECT_EQ(validSheetName({"電路計算書 A:B/C", ""}), "電路計算書 A_B_C");
    EXPECT_EQ(validSheetName({"[x]*?\\", ""}), "_x____");
    EXPECT_EQ(validSheetName({"'quoted'", ""}), "_quoted_");
    EXPECT_EQ(validSheetName({"電路計算書 " + std::string("あいうえおかきくけこさしすせそたちつてとなにぬねのはひふ"), ""}),
              "電路計算書 あいうえおかきくけこさしすせそたちつてとなにぬねの");
    EXPECT_EQ(validSheetName({"電路計算書 ", ""}), "電路計算書 ");
}

TEST(WorksheetNames, ALongFeederNameIsCutSoThatItsPageNumbersStay)
{
    // Two feeders of 20 rows whose names differ only past what fits.
    const std::string name = "幹線名称がとても長い動力盤の系統その一二三四五六七";
    Sheet sheet = test::feedersOf({20, 20});
    sheet.setCell(col::Name, 0, name + "A");
    sheet.setCell(col::Name, 20, name + "B");
    const std::vector<std::string> names = namesOf(planPerItem(sheet));
    // 31 characters: the name is cut, " (1)" and " (2)" stay; the second
    // feeder's names clash and are cut further to make room for the counter.
    const std::string cut = "電路計算書 幹線名称がとても長い動力盤の系統その";
    EXPECT_EQ(names, (std::vector<std::string>{cut + "一二三 (1)", cut + "一二三 (2)", cut + " (1)(1)", cut + " (2)(2)"}));
}

TEST(WorkbookPlan, SmallSheetGoesOnOneWorksheet)
{
    TForm1 form = test::windowWith("small.ksk");
    WorkbookPlan plan = planPerItem(form.StringGrid1);
    EXPECT_EQ(plan.variant, ItemVariant::Small);
    ASSERT_EQ(namesOf(plan), std::vector<std::string>{"電路計算書 "});
    // The empty row between feeders is a line too.
    ASSERT_EQ(plan.worksheets[0].lines.size(), 8u);
    EXPECT_EQ(plan.worksheets[0].lines[6].sheetRow, 6);
    EXPECT_EQ(plan.worksheets[0].lines[6].worksheetRow, 21);
    EXPECT_EQ(plan.worksheets[0].lines.back().worksheetRow, 23);
}

TEST(WorkbookPlan, LongSheetGivesEveryFeederItsOwnWorksheets)
{
    TForm1 form = test::windowWith("large.ksk");
    WorkbookPlan plan = planPerItem(form.StringGrid1);
    EXPECT_EQ(plan.variant, ItemVariant::Large);
    EXPECT_EQ(namesOf(plan), (std::vector<std::string>{"電路計算書 L-1 (1)", "電路計算書 L-1 (2)", "電路計算書 l-1",
                                                       "電路計算書 L-1(1)", "電路計算書 A_B_C"}));
    // The 20-row feeder: 18 rows, then rows 19 and 20 at worksheet rows 9 and 11;
    // the empty row after it belongs to no feeder and is left out.
    EXPECT_EQ(plan.worksheets[0].lines.size(), 18u);
    EXPECT_EQ(plan.worksheets[0].lines.back().worksheetRow, 43);
    EXPECT_EQ(sheetRowsOf(plan.worksheets[1]), (std::vector<int>{18, 19}));
    EXPECT_EQ(plan.worksheets[1].lines[1].worksheetRow, 11);
    EXPECT_EQ(sheetRowsOf(plan.worksheets[2]).front(), 21);
    EXPECT_EQ(sheetRowsOf(plan.worksheets[4]), (std::vector<int>{36}));
}

TEST(WorkbookPlan, EighteenRowPagesFollowThePageRecord)
{
    TForm1 form = test::windowWith("large.ksk");
    form.Button14Click();
    WorkbookPlan plan = planRows18(form.StringGrid1, form.maxrowsu, form.pagesu);
    EXPECT_EQ(plan.variant, ItemVariant::Rows18);
    // 18 rows | the last 2 rows, an empty row, 10 rows and 5 rows | 1 row
    EXPECT_EQ(namesOf(plan), (std::vector<std::string>{"電路計算書(1)", "電路計算書(2)", "電路計算書(3)"}));
    EXPECT_EQ(sheetRowsOf(plan.worksheets[1]).front(), 18);
    EXPECT_EQ(plan.worksheets[1].lines.size(), 18u);
    EXPECT_EQ(sheetRowsOf(plan.worksheets[2]), std::vector<int>{36});
    EXPECT_EQ(plan.worksheets[2].lines[0].worksheetRow, 9);

    Sheet one = test::feedersOf({5});
    EXPECT_EQ(namesOf(planRows18(one, 4, 1)), std::vector<std::string>{"電路計算書"});
}

TEST(WorkbookPlan, StoredRowCountsDoNotDecideHowManyWorksheetsAFeederGets)
{
    // Five rows of one feeder whose count says 99999: one 18-row worksheet.
    TForm1 five;
    five.StringGrid1 = test::feedersOf({5});
    five.StringGrid1.setCell(col::RowTotal, 0, "99999");
    five.Button14Click();
    EXPECT_EQ(namesOf(planRows18(five.StringGrid1, five.maxrowsu, five.pagesu)),
              std::vector<std::string>{"電路計算書"});

    // Per item: every count damaged, the same worksheets with the same rows.
    const TForm1 sound = test::windowWith("large.ksk");
    const WorkbookPlan expected = planPerItem(sound.StringGrid1);
    for (const char* count : {"99999", "1"}) {
        Sheet sheet = sound.StringGrid1;
        for (int r = 0; r < sheet.rowCount(); ++r)
            if (!sheet.cell(col::RowTotal, r).empty()) sheet.setCell(col::RowTotal, r, count);
        const WorkbookPlan plan = planPerItem(sheet);
        ASSERT_EQ(namesOf(plan), namesOf(expected)) << count;
        for (std::size_t w = 0; w < plan.worksheets.size(); ++w)
            EXPECT_EQ(sheetRowsOf(plan.worksheets[w]), sheetRowsOf(expected.worksheets[w])) << count << " " << w;
    }
}

TEST(WorkbookPlan, FeederNumberThatIsNoNumberStopsTheExport)
{
    Sheet sheet = test::feedersOf({20, 3});
    sheet.setCell(col::No, 20, "x");
    EXPECT_THROW(planPerItem(sheet), ConversionError);
}

TEST(TypedEntry, NumericTextsBecomeNumbers)
{
    struct Case {
        const char* text;
        bool number;
        double value;
        bool grouped;
        int decimals;
    };
    const Case cases[] = {
        {"100", true, 100, false, 0},       {"0.95", true, 0.95, false, 0},   {" 12.5 ", true, 12.5, false, 0},
        {"-3", true, -3, false, 0},         {"1,234.50", true, 1234.5, true, 2}, {"1,000", true, 1000, true, 0},
        {"100/200", false, 0, false, 0},    {"L-1", false, 0, false, 0},     {"12,34", false, 0, false, 0},
        {"1e999", false, 0, false, 0},      {"", false, 0, false, 0},        {"√3", false, 0, false, 0},
    };
    for (const Case& c : cases) {
        TypedEntry t = typedEntry(c.text);
        EXPECT_EQ(t.number, c.number) << c.text;
        if (!c.number) continue;
        EXPECT_DOUBLE_EQ(t.value, c.value) << c.text;
        EXPECT_EQ(t.grouped, c.grouped) << c.text;
        EXPECT_EQ(t.decimals, c.decimals) << c.text;
    }
}

TEST(WorkbookExport, FailureLeavesAnEarlierWorkbookAlone)
{
    TForm1 form = test::windowWith("small.ksk");
    const std::string folder = ::testing::TempDir() + "no_such_folder/";
    std::optional<ExportFailure> unwritable = form.exportWorkbook(folder + "out.xlsx", WorkbookMode::PerItem);
    ASSERT_TRUE(unwritable);
    EXPECT_TRUE(unwritable->cannotWrite);

    const std::string path = ::testing::TempDir() + "tolvane_export_test.xlsx";
    ASSERT_FALSE(form.exportWorkbook(path, WorkbookMode::Rows18));
    form.StringGrid1.setCell(col::RowTotal, 0, "x");
    std::optional<ExportFailure> error = form.exportWorkbook(path, WorkbookMode::Rows18);
    ASSERT_TRUE(error);
    EXPECT_FALSE(error->cannotWrite);
    EXPECT_NE(error->text.find("'x'"), std::string::npos) << error->text;
    EXPECT_TRUE(std::filesystem::exists(path));
    std::filesystem::remove(path);
}

TEST(WorkbookExport, ExportThroughALinkReplacesTheFileItPointsTo)
{
    namespace fs = std::filesystem;
    TForm1 form = test::windowWith("small.ksk");
    const fs::path dir = fs::path(::testing::TempDir()) / "tolvane_export_link";
    fs::remove_all(dir);
    fs::create_directories(dir / "real");
    fs::create_symlink("real/book.xlsx", dir / "link.xlsx");
    ASSERT_FALSE(form.exportWorkbook((dir / "link.xlsx").string(), WorkbookMode::PerItem));
    EXPECT_TRUE(fs::is_symlink(dir / "link.xlsx"));
    EXPECT_GT(fs::file_size(dir / "real" / "book.xlsx"), 0u);
    fs::remove_all(dir);
}

TEST(WorkbookExport, ProgressRunsUpToItsMaximum)
{
    TForm1 form = test::windowWith("large.ksk");
    const std::string path = ::testing::TempDir() + "tolvane_progress_test.xlsx";
    std::vector<std::pair<int, int>> steps;
    ASSERT_FALSE(form.exportWorkbook(path, WorkbookMode::PerItem, [&](int p, int m) { steps.push_back({p, m}); }));
    ASSERT_FALSE(steps.empty());
    // 4 feeders in the title list, 1, 12 template steps, 5 worksheets.
    EXPECT_EQ(steps.front(), std::make_pair(0, 22));
    EXPECT_EQ(steps.back(), std::make_pair(22, 22));
    for (std::size_t i = 1; i < steps.size(); ++i) EXPECT_GT(steps[i].first, steps[i - 1].first);
    std::filesystem::remove(path);
}

TEST(WorkbookExport, ProposedNameSitsBesideTheSheetFile)
{
    TForm1 form;
    form.Edit1 = "本社ビル";
    form.FileName = "/data/jobs/本社.ksk";
    EXPECT_EQ(form.proposedWorkbookPath(), "/data/jobs/本社ビル_電路計算書.xlsx");
}

}  // namespace
}  // namespace tolvane
