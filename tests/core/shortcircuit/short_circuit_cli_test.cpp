// `tolvane-cli short-circuit`: the table, the banks of the command line, the
// exit codes and --write.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "sheet/feeders.h"
#include "sheet/tree_marks.h"
#include "support/cli_run.h"
#include "support/started_window.h"
#include "support/test_files.h"

namespace tolvane {
namespace {

namespace fs = std::filesystem;
using test::runCli;

// Two single feeders: 50 m of CV-T 150 with a breaker of Icu 30 kA and a
// main device of 15 kA (both hold on the 500 kVA bank), and a DC feeder.
void writeSheet(const fs::path& path, const char* mainIcu)
{
    testing::StartedWindow w;
    Sheet& s = w.StringGrid1;
    const std::pair<int, const char*> row0[] = {
        {col::No, "1"},       {col::Name, "F1"},       {col::System, "三相3線"}, {col::Voltage, "200"},
        {col::Breaker, "400"}, {col::Mark, "──▶"},     {col::Length, "50"},      {col::MainDevice, "400"},
        {col::Cable, "CV-T150゜"}, {col::BreakerIcu, "30"}, {col::MainIcu, mainIcu},
    };
    for (auto [c, text] : row0) s.setCell(c, 0, text);
    s.setCell(col::No, 1, "2");
    s.setCell(col::System, 1, "直流2線");
    s.setCell(col::Mark, 1, std::string(mark::Single));
    renumberFeeders(s);
    ASSERT_EQ(w.saveSheetFile(path.string()), std::nullopt);
}

std::vector<std::vector<std::string>> table(const std::string& out)
{
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> cells;
        std::size_t from = 0;
        for (;;) {
            const std::size_t tab = line.find('\t', from);
            cells.push_back(line.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
            if (tab == std::string::npos) break;
            from = tab + 1;
        }
        lines.push_back(cells);
    }
    return lines;
}

std::string cellOf(const std::vector<std::vector<std::string>>& t, std::size_t line, const std::string& column)
{
    for (std::size_t c = 0; c < t.at(0).size(); ++c)
        if (t[0][c] == column) return t.at(line).at(c);
    ADD_FAILURE() << "no column " << column;
    return {};
}

TEST(ShortCircuitCli, PrintsEveryRowAndExitsByTheChecks)
{
    const fs::path dir = testing::freshFolder("short_circuit_cli");
    const fs::path file = dir / "a.ksk";
    writeSheet(file, "15");
    const std::string bank = " --bank T1,3,210,500,4.5,1.2";

    test::CliRun run = runCli("short-circuit " + file.string() + bank);
    EXPECT_EQ(run.code, 0) << run.err;
    auto t = table(run.out);
    ASSERT_EQ(t.size(), 3u) << run.out;
    const struct {
        const char* column;
        const char* row1;
        const char* row2;
    } expect[] = {
        {"row", "0", "1"},
        {"bank", "T1", ""},
        {"ik_start_ka", "28.41", ""},
        {"ik_end_ka", "10.28", ""},
        {"breaker_required_ka", "30", ""},
        {"main_required_ka", "15", ""},
        {"cable_min_mm2", "36.9", ""},
        {"judgement", "〇", "対象外"},
    };
    for (const auto& e : expect) {
        EXPECT_EQ(cellOf(t, 1, e.column), e.row1) << e.column;
        EXPECT_EQ(cellOf(t, 2, e.column), e.row2) << e.column;
    }

    // A longer breaking time: the cable needs more; a failed check exits 1.
    run = runCli("short-circuit " + file.string() + bank + " --time 2");
    EXPECT_EQ(run.code, 1) << run.err;
    t = table(run.out);
    EXPECT_EQ(cellOf(t, 1, "judgement"), "×：ケーブルの短絡耐量不足");

    // Bad input: exit 2 with the reason, and nothing printed.
    for (const std::string& args : {file.string() + " --bank T1,3,210,500,1.2,4.5", file.string() + bank + " --time 0",
                                    (dir / "missing.ksk").string(), file.string() + " --bank"}) {
        run = runCli("short-circuit " + args);
        EXPECT_EQ(run.code, 2) << args;
        EXPECT_FALSE(run.err.empty()) << args;
        EXPECT_EQ(run.out, "") << args;
    }
    EXPECT_NE(runCli("short-circuit " + file.string() + " --time 0").err.find("遮断時間[s]は"), std::string::npos);

    // Unwritable output: exit 3.
    EXPECT_EQ(runCli("short-circuit " + file.string() + bank, "/dev/full").code, 3);
    EXPECT_EQ(runCli("short-circuit " + file.string() + bank + " --write " + (dir / "no/such/b.ksk").string()).code, 3);
    fs::remove_all(dir);
}

TEST(ShortCircuitCli, WriteKeepsTheConditionsInForce)
{
    const fs::path dir = testing::freshFolder("short_circuit_cli_write");
    const fs::path file = dir / "a.ksk", out = dir / "b.ksk";
    writeSheet(file, "5");
    // Without banks every computed row says so, and nothing fails.
    test::CliRun run = runCli("short-circuit " + file.string());
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(cellOf(table(run.out), 1, "judgement"), "電源条件のバンクがありません");

    run = runCli("short-circuit " + file.string() + " --bank T1,3,210,500,4.5,1.2 --time 0.03 --write " + out.string());
    EXPECT_EQ(run.code, 1) << run.err;  // main device Icu 5 kA < 10.28 kA
    EXPECT_EQ(cellOf(table(run.out), 1, "judgement"), "×：主幹器具の遮断容量不足");
    // The written file carries the banks: the same table without --bank.
    test::CliRun again = runCli("short-circuit " + out.string());
    EXPECT_EQ(again.code, 1);
    EXPECT_EQ(again.out, run.out);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace tolvane
