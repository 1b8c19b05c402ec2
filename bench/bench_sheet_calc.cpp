// Recalculating every feeder of a large sheet, and checking sheet files as
// `tolvane-cli check` does.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "app/tform1.h"
#include "sheet/feeder_totals_sheet.h"
#include "sheet/feeders.h"
#include "sheet/judgement.h"
#include "sheet/review.h"
#include "sheet/tree_marks.h"

namespace tolvane {
namespace {

// `feeders` one-system dwelling feeders of `branches` dwellings each, laid out
// one after another as the branch form generates them.
Sheet dwellingSheet(int feeders, int branches)
{
    const int rowsPerFeeder = 2 * branches + 1;
    Sheet sheet(feeders * rowsPerFeeder + 20);
    int r = 0;
    for (int f = 1; f <= feeders; ++f) {
        auto row = [&](std::string_view m, const char* length, const char* size, const char* allowable,
                       const char* impedance) {
            sheet.setCell(col::Mark, r, std::string(m));
            sheet.setCell(col::Length, r, length);
            sheet.setCell(col::Size, r, size);
            sheet.setCell(col::Allowable, r, allowable);
            sheet.setCell(col::Impedance, r, impedance);
            if (m != mark::Head) sheet.setCell(col::SystemNo, r, "1");
        };
        row(mark::Head, "35", "100", "250", "0.231");
        sheet.setCell(col::No, r, "1");
        sheet.setCell(col::Name, r, "幹線" + std::to_string(f));
        sheet.setCell(col::System, r, "単相3線");
        sheet.setCell(col::Breaker, r, "225");
        sheet.setCell(col::MainDevice, r, "200");
        ++r;
        for (int b = 1; b <= branches; ++b) {
            row(b == 1 ? mark::Point : mark::Segment, "4.5", "38", "130", "0.553");
            sheet.setCell(col::LoadName, r, b == 1 ? "分岐点" : "分岐間");
            ++r;
            row(b == branches ? mark::Last : mark::Branch, "2.5", "14", "61", "1.42");
            sheet.setCell(col::LoadName, r, std::to_string(f) + "-" + std::to_string(b));
            sheet.setCell(col::MainDevice, r, "40");
            sheet.setCell(col::Current, r, "30");
            sheet.setCell(col::PowerFactor, r, "0.95");
            ++r;
        }
    }
    renumberFeeders(sheet);
    return sheet;
}

void BM_RecalculateSheet(benchmark::State& state)
{
    Sheet sheet = dwellingSheet(1000, 10);
    const SupplyChoice supply;
    for (auto _ : state) {
        auto failures = recalculateSheet(sheet, supply);
        benchmark::DoNotOptimize(failures);
    }
    state.counters["rows"] = sheet.rowCount();
}
BENCHMARK(BM_RecalculateSheet)->Unit(benchmark::kMillisecond);

// One file of the batch check: load, drawing checks on every row, review;
// with the recalculation when the argument is 1.
void BM_CheckFile(benchmark::State& state)
{
    const std::string path = std::string(P_tmpdir) + "/tolvane_bench_sheet_calc.ksk";
    {
        TForm1 form;
        form.StringGrid1 = dwellingSheet(1000, 10);
        if (form.saveSheetFile(path)) state.SkipWithError("cannot write the sheet file");
    }
    const bool recalc = state.range(0) == 1;
    for (auto _ : state) {
        TForm1 form;
        if (form.loadSheetFile(path)) state.SkipWithError("cannot read the sheet file");
        if (recalc) recalculateSheet(form.StringGrid1, form.supply);
        applyDrawingChecks(form.StringGrid1);
        auto review = reviewJudgements(form.StringGrid1);
        benchmark::DoNotOptimize(review);
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_CheckFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tolvane
