// The calculation document of a large building: the page record, the print
// layout, the PDF (with the Qt renderer) and the workbooks of a sheet with
// 1,000 feeders; the per-item workbook of the largest sheet. Run one with
// --benchmark_filter under /usr/bin/time -v to see its peak memory.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "app/tform1.h"
#include "output/page_record.h"
#include "output/print_page.h"
#include "output/workbook_plan.h"
#include "output/workbook_writer.h"
#include "sheet/tree_marks.h"

#ifdef TOLVANE_HAVE_PRINT
#include <QGuiApplication>

#include "gui/print/document_painter.h"
#endif

namespace tolvane {
namespace {

// Feeders of 1 to 19 rows.
int mixedRows(int f) { return 1 + ((f - 1) % 7) * 3; }
// The largest sheet: 100,000 rows, 5,556 feeders of a worksheet each.
constexpr int kLargestFeeders = 5556;
int fullPageRows(int f) { return f < kLargestFeeders ? kRowsPerPage : kMaxSheetRows - (f - 1) * kRowsPerPage; }

// `feeders` feeders of `rowsOf(f)` rows with every document column filled.
TForm1 buildingOf(int feeders, int (*rowsOf)(int) = mixedRows)
{
    TForm1 form;
    form.Edit1 = "ベンチマーク第一ビル";
    form.Edit25 = "5";
    form.Edit26 = "12";
    form.Edit27 = "9";
    Sheet& sheet = form.StringGrid1;
    int rows = 0;
    for (int f = 1; f <= feeders; ++f) rows += rowsOf(f);
    sheet.setRowCount(std::min(rows + 20, kMaxSheetRows));
    int r = 0;
    for (int f = 1; f <= feeders; ++f) {
        const int n = rowsOf(f);
        sheet.setCell(col::No, r, std::to_string(f));
        sheet.setCell(col::Name, r, "L-" + std::to_string(f));
        sheet.setCell(col::RowTotal, r, std::to_string(n));
        for (int i = 0; i < n; ++i, ++r) {
            sheet.setCell(col::System, r, "単相3線");
            sheet.setCell(col::Voltage, r, "100/200");
            sheet.setCell(col::Breaker, r, "225");
            sheet.setCell(col::Mark, r, std::string(n == 1 ? mark::Single : i == 0 ? mark::Head : mark::Segment));
            sheet.setCell(col::Length, r, "12.5");
            sheet.setCell(col::LoadName, r, i % 2 ? "住戸分電盤ＡＢＣ号" : "分岐間");
            sheet.setCell(col::MainDevice, r, "75");
            sheet.setCell(col::Current, r, "60.5");
            sheet.setCell(col::PowerFactor, r, "0.95");
            sheet.setCell(col::Cable, r, "CV 38sq-3C");
            sheet.setCell(col::Method, r, i % 3 ? "保護管配線" : "ｹｰﾌﾞﾙﾗｯｸ配線");
            sheet.setCell(col::SubMethod, r, i % 3 ? "" : "気中暗渠配線");
            sheet.setCell(col::Allowable, r, "150");
            sheet.setCell(col::Impedance, r, "0.529");
            sheet.setCell(col::Drop, r, "1.23");
            sheet.setCell(col::AllowableDrop, r, "6");
            sheet.setCell(col::FeederNo, r, std::to_string(f));
        }
    }
    return form;
}

void BM_PageRecord(benchmark::State& state)
{
    TForm1 form = buildingOf(1000);
    for (auto _ : state) form.Button14Click();
}
BENCHMARK(BM_PageRecord)->Unit(benchmark::kMillisecond);

// 100 printed pages: 1,800 rows.
void BM_PrintLayout100Pages(benchmark::State& state)
{
    TForm1 form = buildingOf(180);
    for (auto _ : state) {
        PrintDocument doc = form.printDocument();
        benchmark::DoNotOptimize(doc.pages.size());
    }
}
BENCHMARK(BM_PrintLayout100Pages)->Unit(benchmark::kMillisecond);

void BM_ExportPerItem1000Feeders(benchmark::State& state)
{
    TForm1 form = buildingOf(1000);
    const std::string path = (std::filesystem::temp_directory_path() / "tolvane_bench_per_item.xlsx").string();
    for (auto _ : state) {
        if (auto failure = form.exportWorkbook(path, WorkbookMode::PerItem)) state.SkipWithError(failure->text.c_str());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ExportPerItem1000Feeders)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExportPerItemLargestSheet(benchmark::State& state)
{
    TForm1 form = buildingOf(kLargestFeeders, fullPageRows);
    const std::string path = (std::filesystem::temp_directory_path() / "tolvane_bench_largest.xlsx").string();
    for (auto _ : state) {
        if (auto failure = form.exportWorkbook(path, WorkbookMode::PerItem)) state.SkipWithError(failure->text.c_str());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ExportPerItemLargestSheet)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ExportRows18For1000Feeders(benchmark::State& state)
{
    TForm1 form = buildingOf(1000);
    const std::string path = (std::filesystem::temp_directory_path() / "tolvane_bench_rows18.xlsx").string();
    for (auto _ : state) {
        if (auto failure = form.exportWorkbook(path, WorkbookMode::Rows18)) state.SkipWithError(failure->text.c_str());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ExportRows18For1000Feeders)->Unit(benchmark::kMillisecond)->Iterations(3);

#ifdef TOLVANE_HAVE_PRINT
void BM_Pdf100Pages(benchmark::State& state)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_output";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    TForm1 form = buildingOf(180);
    const QString path = QString::fromStdString(
        (std::filesystem::temp_directory_path() / "tolvane_bench_100_pages.pdf").string());
    for (auto _ : state) {
        PrintDocument doc = form.printDocument();
        if (auto failure = print::writePdf(doc, path)) state.SkipWithError(failure->c_str());
        state.counters["pages"] = static_cast<double>(doc.pages.size());
    }
    std::filesystem::remove(path.toStdString());
}
BENCHMARK(BM_Pdf100Pages)->Unit(benchmark::kMillisecond)->Iterations(3);
#endif

}  // namespace
}  // namespace tolvane
