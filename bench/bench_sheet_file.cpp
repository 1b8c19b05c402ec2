// Saving and loading sheet files of growing size: dwelling feeders of 20
// rows each, filled as the entry forms fill them.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>

#include "app/tform1.h"
#include "sheet/feeders.h"
#include "sheet/tree_marks.h"

using namespace tolvane;

namespace {

Sheet dwellingFeeders(int rows)
{
    Sheet s(rows);
    for (int head = 0; head + 20 <= rows; head += 20) {
        s.setRow(head, SheetRow{"1", "住戸" + std::to_string(head / 20 + 1), "単相3線", "100/200", "225",
                                std::string(mark::Head), "35", "L1", "", "171.6", "0.95", "CV-T60゜", "ｹｰﾌﾞﾙﾗｯｸ配線",
                                "225", "0.406", "2.44", "", "6", "", "35", "60", "", "", "", "20", "", "", "", "", "",
                                "", "気中暗渠配線"});
        s.setRow(head + 1, SheetRow{"", "", "", "", "", std::string(mark::Point), "8", "分岐点", "", "", "0.95",
                                    "CV 22゜", "保護管配線", "90", "1.063", "0.64", "", "", "", "43", "22", "", "1"});
        for (int r = head + 2; r < head + 20; ++r) {
            bool branch = (r - head) % 2 == 0;
            std::string_view m = branch ? (r == head + 18 ? mark::Last : mark::Branch) : mark::Segment;
            s.setRow(r, SheetRow{"", "", "", "", "", std::string(m), branch ? "" : "8", branch ? "" : "分岐間",
                                 branch ? "50" : "", branch ? "30" : "", "0.95", branch ? "" : "CV 14゜", "", "", "",
                                 "", branch ? "3.12" : "", branch ? "6" : "", "", "", "", "", "1"});
        }
    }
    renumberFeeders(s);
    return s;
}

std::string benchFile(const char* name)
{
    return (std::filesystem::temp_directory_path() / (std::string(name) + std::to_string(::getpid()) + ".ksk")).string();
}

void BM_SaveSheetFile(benchmark::State& state)
{
    TForm1 form;
    const Sheet sheet = dwellingFeeders(static_cast<int>(state.range(0)));
    const std::string path = benchFile("bench_save_");
    for (auto _ : state) {
        state.PauseTiming();
        form.StringGrid1 = sheet;
        state.ResumeTiming();
        if (form.saveSheetFile(path)) state.SkipWithError("save failed");
    }
    state.SetComplexityN(state.range(0));
    std::filesystem::remove(path);
}

void BM_LoadSheetFile(benchmark::State& state)
{
    TForm1 form;
    form.StringGrid1 = dwellingFeeders(static_cast<int>(state.range(0)));
    const std::string path = benchFile("bench_load_");
    if (form.saveSheetFile(path)) state.SkipWithError("save failed");
    for (auto _ : state)
        if (form.loadSheetFile(path)) state.SkipWithError("load failed");
    state.SetComplexityN(state.range(0));
    std::filesystem::remove(path);
}

}  // namespace

BENCHMARK(BM_SaveSheetFile)->Arg(5000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_LoadSheetFile)->Arg(5000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();
