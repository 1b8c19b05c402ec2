// The main window on the offscreen platform: how long until it is shown, and
// what one screenful of a 20,000-row sheet costs to paint while scrolling.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QTableView>

#include <memory>

#include "app/forms.h"
#include "gui/main_window.h"
#include "sheet/tree_marks.h"

using namespace tolvane;

namespace {

// A building of 1,000 dwelling feeders of 10 branches on 20,000 rows.
void fillLargeSheet(Sheet& sheet)
{
    sheet.setRowCount(20000);
    int row = 0;
    for (int f = 1; f <= 1000 && row + 20 <= 20000; ++f) {
        sheet.setCell(col::No, row, std::to_string(f));
        sheet.setCell(col::Name, row, "住戸" + std::to_string(f));
        sheet.setCell(col::Mark, row, std::string(mark::Head));
        sheet.setCell(col::Breaker, row, "300");
        sheet.setCell(col::MainDevice, row, "250");
        sheet.setCell(col::Drop, row, "1.23");
        sheet.setCell(col::AllowableDrop, row, "3");
        for (int r = 1; r < 20; ++r) {
            sheet.setCell(col::Mark, row + r, std::string(r % 2 ? mark::Segment : mark::Branch));
            sheet.setCell(col::Length, row + r, "3.5");
            sheet.setCell(col::DropSum, row + r, "2.50");
            sheet.setCell(col::AllowableDrop, row + r, "3");
        }
        row += 20;
    }
}

void WindowShown(benchmark::State& state)
{
    for (auto _ : state) {
        Forms forms;
        gui::MainWindow window(forms);
        forms.form1.FormCreate("/nonexistent/tolvane", {}, 1920, 1080);
        window.resize(1584, 798);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(WindowShown)->Unit(benchmark::kMillisecond);

void ScrollLargeSheet(benchmark::State& state)
{
    Forms forms;
    gui::MainWindow window(forms);
    forms.form1.FormCreate("/nonexistent/tolvane", {}, 1920, 1080);
    fillLargeSheet(forms.form1.StringGrid1);
    window.afterLoad();
    window.resize(1584, 798);
    window.show();
    QApplication::processEvents();
    QScrollBar* bar = window.sheetView()->verticalScrollBar();
    int position = 0;
    for (auto _ : state) {
        position = (position + 997) % 19000;
        bar->setValue(position);
        benchmark::DoNotOptimize(window.sheetView()->viewport()->grab());
    }
}
BENCHMARK(ScrollLargeSheet)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QFont::insertSubstitution(QString::fromUtf8("ＭＳ 明朝"), "IPAMincho");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
