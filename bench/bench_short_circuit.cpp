// The short-circuit calculation of a large building: 1,000 feeders (single
// feeders and dwelling feeders of one and two systems) on two banks, computed
// from the window's sheet, and the whole of the command line's work: loading
// the sheet file, computing and writing the table.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "app/tform1.h"
#include "sheet/feeders.h"
#include "sheet/tree_marks.h"

namespace tolvane {
namespace {

struct Cell {
    int column;
    std::string text;
};

TForm1 buildingOf(int feeders)
{
    TForm1 form;
    Sheet& sheet = form.StringGrid1;
    sheet.setRowCount(feeders * 8 + 20);
    const char* cables[] = {"CV-T38゜", "CV-T22゜", "CV-T14゜", "CV-T8゜", "VVF2.0-3C", "CV-T60゜"};
    int r = 0;
    auto row = [&](std::initializer_list<Cell> cells) {
        for (const Cell& c : cells) sheet.setCell(c.column, r, c.text);
        ++r;
    };
    for (int f = 1; f <= feeders; ++f) {
        const std::string no = std::to_string(f);
        const std::string cable = cables[f % 6];
        switch (f % 3) {
        case 0:
            row({{col::No, no}, {col::Name, "P-" + no}, {col::System, "三相3線"}, {col::Voltage, "200"},
                 {col::Breaker, "225"}, {col::Mark, std::string(mark::Single)}, {col::Length, "35"},
                 {col::MainDevice, "225"}, {col::Cable, "CV-T100゜"}, {col::BreakerIcu, "30"}, {col::MainIcu, "10"}});
            break;
        case 1:
            row({{col::No, no}, {col::Name, "L-" + no}, {col::System, "単相3線"}, {col::Voltage, "100/200"},
                 {col::Breaker, "150"}, {col::Mark, std::string(mark::Head)}, {col::Length, "20"},
                 {col::MainDevice, "150"}, {col::Cable, "CV-T60゜"}, {col::BreakerIcu, "30"}});
            row({{col::Mark, std::string(mark::Point)}, {col::Length, "5"}, {col::Cable, "CV-T38゜"}});
            row({{col::Mark, std::string(mark::Branch)}, {col::Length, "3"}, {col::MainDevice, "50"},
                 {col::Cable, cable}, {col::MainIcu, "5"}});
            row({{col::Mark, std::string(mark::Segment)}, {col::Length, "4"}, {col::Cable, "CV-T22゜"}});
            row({{col::Mark, std::string(mark::Last)}, {col::Length, "2"}, {col::MainDevice, "50"}, {col::Cable, cable}});
            break;
        default:
            row({{col::No, no}, {col::Name, "D-" + no}, {col::System, "単相3線"}, {col::Voltage, "100/200"},
                 {col::Breaker, "150"}, {col::Mark, std::string(mark::Head)}, {col::Length, "20"},
                 {col::MainDevice, "150"}, {col::Cable, "CV-T60゜"}});
            row({{col::Mark, std::string(mark::Point2)}, {col::Length, "5"}, {col::Cable, "CV-T38゜"}, {col::SystemNo, "1"}});
            row({{col::Mark, std::string(mark::Branch1)}, {col::Length, "3"}, {col::Cable, cable}, {col::SystemNo, "1"}});
            row({{col::Mark, std::string(mark::Segment1)}, {col::Length, "4"}, {col::Cable, "CV-T22゜"}, {col::SystemNo, "1"}});
            row({{col::Mark, std::string(mark::Last1)}, {col::Length, "2"}, {col::Cable, cable}, {col::SystemNo, "1"}});
            row({{col::Mark, std::string(mark::Segment)}, {col::Length, "6"}, {col::Cable, "CV-T22゜"}, {col::SystemNo, "2"}});
            row({{col::Mark, std::string(mark::Last)}, {col::Length, "8"}, {col::Cable, cable}, {col::SystemNo, "2"}});
        }
    }
    renumberFeeders(sheet);
    SupplyConditions supply;
    TransformerBank t;
    t.name = "T1";
    t.kva = "500";
    t.percentZ = "4.5";
    t.percentR = "1.2";
    TransformerBank l;
    l.name = "L1";
    l.phases = BankPhases::Single;
    l.kva = "300";
    l.percentZ = "3";
    l.loadLoss = "4500";
    supply.banks = {t, l};
    form.supplyConditions = supply;
    return form;
}

void BM_ComputeBuilding(benchmark::State& state)
{
    const TForm1 form = buildingOf(1000);
    std::size_t rows = 0;
    for (auto _ : state) {
        ShortCircuitResult result = form.shortCircuit();
        rows = result.rows.size();
        benchmark::DoNotOptimize(result);
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_ComputeBuilding)->Unit(benchmark::kMillisecond);

// What `tolvane-cli short-circuit` does after starting: load, compute, print.
void BM_CommandLineWork(benchmark::State& state)
{
    TForm1 source = buildingOf(1000);
    Sheet sheet = source.StringGrid1;
    const std::string bytes = source.sheetFileBytes(sheet);
    for (auto _ : state) {
        TForm1 form;
        if (form.loadSheetData(bytes)) state.SkipWithError("the building does not load");
        std::ostringstream out;
        for (const ShortCircuitRow& r : form.shortCircuit().rows)
            out << r.row << '\t' << r.bank << '\t' << r.start.checked << '\t' << r.end.checked << '\t'
                << r.minimumSection << '\t' << r.judgement << '\n';
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_CommandLineWork)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tolvane
