#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "sheet/file_store.h"
#include "sheet/sheet_file.h"
#include "support/cli_run.h"

using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

using tolvane::test::CliRun;
const auto cli = [](const std::string& args) { return tolvane::test::runCli(args); };

std::string slurp(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

const fs::path kDir = fs::temp_directory_path() / ("tolvane_sheet_cli_" + std::to_string(::getpid()));

std::string data(const std::string& name) { return std::string(TOLVANE_TEST_DATA) + "/sheet_file/" + name; }

}  // namespace

TEST(SheetCli, DumpPrintsTheLoadedWindowAndTheUsedRows)
{
    CliRun r = cli("dump " + data("iconv_made.ksk"));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(r.out.starts_with("rows=120 last=3\nfreq=50\nyear=5\nmonth=4\nday=1\nbuilding=テスト ビル,A棟\n"
                                  "era=令和\neraname=平成\neradisplay=和暦\npagenumbers=on\n0\t1\tL-1\t"))
        << r.out;
    EXPECT_NE(r.out.find("\n3\t\t\t\t\t\t└─▶\t"), std::string::npos);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 10 + 4);

    CliRun bad = cli("dump " + data("no_such.ksk"));
    EXPECT_EQ(bad.code, 2);
    EXPECT_TRUE(bad.err.starts_with("ファイルを読み込めませんでした: ")) << bad.err;
    EXPECT_TRUE(bad.out.empty());
}

TEST(SheetCli, ResaveWritesTheProgramsOwnFormatAndIsStable)
{
    fs::create_directories(kDir);
    const fs::path once = kDir / "once.ksk", twice = kDir / "twice.ksk";
    ASSERT_EQ(cli("resave " + data("iconv_made.ksk") + " " + once.string()).code, 0);
    ASSERT_EQ(cli("resave " + once.string() + " " + twice.string()).code, 0);
    const std::string bytes = slurp(once);
    EXPECT_TRUE(bytes.starts_with("23\r\n3\r\n1,L-1,")) << bytes.substr(0, 20);
    EXPECT_EQ(bytes, slurp(twice));
    EXPECT_EQ(cli("dump " + once.string()).out.substr(16), cli("dump " + data("iconv_made.ksk")).out.substr(16));
    fs::remove_all(kDir);
}

TEST(SheetCli, ClipboardPrintsTheSheetOrOneFeederWithCrLf)
{
    CliRun all = cli("clipboard " + data("iconv_made.ksk"));
    ASSERT_EQ(all.code, 0) << all.err;
    EXPECT_TRUE(all.out.starts_with("幹線番号又は名称\t電気方式\t"));
    EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), 5);
    EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\r'), 5);

    CliRun one = cli("clipboard " + data("iconv_made.ksk") + " --row 2");
    ASSERT_EQ(one.code, 0) << one.err;
    EXPECT_TRUE(one.out.starts_with("2F住戸\t単相3線\t100/200\t150\t -─▶┌\t12\tL \"A\"\t\t52.1\t"));
    EXPECT_EQ(std::count(one.out.begin(), one.out.end(), '\n'), 3);

    EXPECT_EQ(cli("clipboard " + data("iconv_made.ksk") + " --row x").code, 2);
    fs::remove_all(kDir);
}

TEST(SheetCli, ClipboardReachesEveryRowOfALargeSheet)
{
    // 40,000 rows: feeders far past row 32,767.
    tolvane::Sheet sheet(40000);
    for (int r : {35000, 39980}) {
        sheet.setCell(tolvane::col::No, r, "1");
        sheet.setCell(tolvane::col::Name, r, "L-" + std::to_string(r));
        sheet.setCell(tolvane::col::Mark, r, "──▶");
    }
    fs::create_directories(kDir);
    const fs::path large = kDir / "large.ksk";
    ASSERT_EQ(tolvane::replaceFile(large.string(), tolvane::writeSheetFile(sheet, {}, {"60", "", "", "", "", ""})),
              std::nullopt);

    struct Case {
        const char* row;
        int code;
        const char* starts;  // the whole of stdout for 0, the start of stderr for 2
    };
    const Case cases[] = {
        {"35000", 0, "L-35000\t\t\t\t ──▶\t\t\t\t\t\t\t\t\t\t\t\t\r\n"},
        {"40000", 2, "行番号は 0～39999 で指定してください"},
    };
    for (const Case& c : cases) {
        CliRun r = cli("clipboard " + large.string() + " --row " + c.row);
        EXPECT_EQ(r.code, c.code) << c.row << ": " << r.err;
        if (c.code == 0)
            EXPECT_EQ(r.out, c.starts);
        else
            EXPECT_TRUE(r.err.starts_with(c.starts)) << c.row << ": " << r.err;
    }
    fs::remove_all(kDir);
}
