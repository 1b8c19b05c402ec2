// Automatic cable selection of a whole building of 1,000 feeders: every run of
// every feeder sized with a fresh cable window, as `tolvane-cli size` does.
#include <benchmark/benchmark.h>

#include <string>

#include "cables/tdensen.h"
#include "sheet/feeder_totals_sheet.h"
#include "sheet/feeders.h"
#include "sheet/tree_marks.h"
#include "sizing/feeder_sizing.h"

namespace tolvane {
namespace {

// A run with the cable the designer started from.
void setRun(Sheet& sheet, int r, std::string_view m, const std::string& length, const char* cable)
{
    sheet.setCell(col::Mark, r, std::string(m));
    sheet.setCell(col::Length, r, length);
    sheet.setCell(col::PowerFactor, r, "0.95");
    sheet.setCell(col::Cable, r, cable);
    sheet.setCell(col::Method, r, "気中暗渠配線");
}

// A dwelling feeder of `perSystem` dwellings of 30 A on each of `systems`
// systems, its lengths varied with `f` so that no two feeders are alike.
int addDwellingFeeder(Sheet& sheet, int r, int f, int systems, int perSystem)
{
    setRun(sheet, r, mark::Head, std::to_string(20 + f % 60), "CV-T60゜");
    sheet.setCell(col::No, r, "1");
    sheet.setCell(col::System, r, f % 5 == 0 ? "三相3線" : "単相3線");
    sheet.setCell(col::Breaker, r, systems * perSystem > 8 ? "300" : "225");
    ++r;
    const std::string between = std::to_string(3 + f % 4);
    for (int s = 1; s <= systems; ++s) {
        const bool two = systems == 2, first = s == 1;
        for (int d = 1; d <= perSystem; ++d) {
            std::string_view m = d > 1 ? (two && first ? mark::Segment1 : mark::Segment)
                                 : first ? (two ? mark::Point2 : mark::Point)
                                         : mark::Segment;
            setRun(sheet, r, m, between, "CV-T38゜");
            sheet.setCell(col::SystemNo, r++, std::to_string(s));
            std::string_view b = d < perSystem ? (two && first ? mark::Branch1 : mark::Branch)
                                               : (two && first ? mark::Last1 : mark::Last);
            sheet.setCell(col::Mark, r, std::string(b));
            sheet.setCell(col::Current, r, "30");
            sheet.setCell(col::PowerFactor, r, "0.95");
            sheet.setCell(col::SystemNo, r++, std::to_string(s));
        }
    }
    return r;
}

int addSingleFeeder(Sheet& sheet, int r, int f)
{
    static const char* const kBreakers[] = {"30", "50", "75", "100", "150", "225"};
    static const char* const kCurrents[] = {"24", "41", "62.5", "88", "131", "190"};
    setRun(sheet, r, mark::Single, std::to_string(10 + f % 90), "CV-T38゜");
    sheet.setCell(col::No, r, "1");
    sheet.setCell(col::System, r, f % 3 == 0 ? "単相3線" : "三相3線");
    sheet.setCell(col::Breaker, r, kBreakers[f % 6]);
    sheet.setCell(col::Current, r, kCurrents[f % 6]);
    sheet.setCell(col::PowerFactor, r, "0.8");
    return r + 1;
}

// 1,000 feeders: single feeders, and dwelling feeders of one system (8 or 12
// dwellings) and of two systems (6 + 6), in turn.
Sheet building(bool dwellingsOnly)
{
    Sheet sheet(40'000);
    int r = 0;
    for (int f = 1; f <= 1000; ++f) {
        switch (dwellingsOnly ? 1 + f % 3 : f % 4) {
        case 0: r = addSingleFeeder(sheet, r, f); break;
        case 1: r = addDwellingFeeder(sheet, r, f, 1, 8); break;
        case 2: r = addDwellingFeeder(sheet, r, f, 1, 12); break;
        default: r = addDwellingFeeder(sheet, r, f, 2, 6); break;
        }
        ++r;  // an empty row between feeders
    }
    sheet.setRowCount(r + 20);
    renumberFeeders(sheet);
    return sheet;
}

void BM_SizeBuilding(benchmark::State& state)
{
    const Sheet original = building(state.range(0) == 1);
    const std::vector<FeederRange> feeders = allFeederRanges(original);
    std::size_t sized = 0, runs = 0;
    for (auto _ : state) {
        CableOffers offers{Tdensen(), CableConditions{}};
        SizingPlan plan = planSizing(original, feeders, SizingOptions{}, offers);
        state.PauseTiming();
        Sheet sheet = original;  // the copy only serves the repeated runs
        state.ResumeTiming();
        applySizing(sheet, plan);
        sized = 0;
        runs = 0;
        for (const FeederSizing& f : plan.feeders) {
            sized += !f.failure;
            for (const RowChange& c : f.changes) runs += c.cableChanged;
        }
        benchmark::DoNotOptimize(sheet);
    }
    state.counters["feeders"] = static_cast<double>(feeders.size());
    state.counters["sized"] = static_cast<double>(sized);
    state.counters["changed_runs"] = static_cast<double>(runs);
}
// 0: a mixed building (a quarter single feeders); 1: dwelling feeders only.
BENCHMARK(BM_SizeBuilding)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tolvane
