#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/tform1.h"
#include "support/recording_host.h"
#include "support/started_window.h"
#include "support/test_files.h"
#include "sheet/feeders.h"
#include "sheet/file_store.h"
#include "sheet/tree_marks.h"
#include "text/cp932.h"

using namespace tolvane;
using tolvane::testing::bytesOf;
using tolvane::testing::ScratchFolder;
using tolvane::testing::RecordingHost;
namespace fs = std::filesystem;

namespace {

std::string fixture(const std::string& name) { return std::string(TOLVANE_TEST_DATA) + "/sheet_file/" + name; }

using Window = tolvane::testing::StartedWindow;

// Every tree mark, and cells with commas, blanks, quotes and full-width text.
void fillAwkwardSheet(TForm1& w)
{
    Sheet& s = w.StringGrid1;
    const std::string_view marks[] = {mark::Single, mark::Head,    mark::Point,  mark::Point2, mark::Segment,
                                      mark::Segment1, mark::Branch, mark::Branch1, mark::Last, mark::Last1};
    int r = 0;
    for (auto m : marks) {
        s.setCell(col::Mark, r, std::string(m));
        s.setCell(col::LoadName, r, "負荷 " + std::to_string(r));
        ++r;
    }
    s.setCell(col::No, 0, "1");
    s.setCell(col::No, 1, "2");
    s.setCell(col::Name, 0, "L,1");
    s.setCell(col::Cable, 0, "CV 22゜");
    s.setCell(col::Remarks, 1, "\"引用\" と　全角");
    s.setCell(col::Remarks, 2, "  two blanks ");
    s.setCell(col::Method, 3, "[ｹｰﾌﾞﾙﾗｯｸ配線]");
    s.setCell(col::Drop, 4, "1,234.56");
    s.setCell(col::Mark, 14, std::string(mark::Single));  // after empty rows
    s.setCell(col::No, 14, "3");
    renumberFeeders(s);
    w.Edit1 = "本社 ビル,東棟";
}

}  // namespace

TEST(SheetFileCommands, SaveLoadSaveIsByteIdentical)
{
    const ScratchFolder dir("roundtrip");
    Window first;
    fillAwkwardSheet(first);
    const Sheet original = first.StringGrid1;
    ASSERT_EQ(first.saveSheetFile((dir / "a.ksk").string()), std::nullopt);
    EXPECT_FALSE(first.modified);
    EXPECT_EQ(first.StringGrid1.rowCount(), 34);

    Window second;
    ASSERT_EQ(second.loadSheetFile((dir / "a.ksk").string()), std::nullopt);
    EXPECT_EQ(second.StringGrid1.rowCount(), 108);
    for (int r = 0; r <= 14; ++r)
        for (int c = 0; c < 30; ++c) EXPECT_EQ(second.StringGrid1.cell(c, r), original.cell(c, r)) << c << "," << r;
    EXPECT_EQ(second.Edit1, "本社 ビル,東棟");

    ASSERT_EQ(second.saveSheetFile((dir / "b.ksk").string()), std::nullopt);
    EXPECT_EQ(bytesOf(dir / "a.ksk"), bytesOf(dir / "b.ksk"));
}

TEST(SheetFileCommands, LoadRenumbersKeepsTheDocumentDateAndAppliesTheCarriedSettings)
{
    Window w;
    ASSERT_EQ(w.loadSheetFile(fixture("iconv_made.ksk")), std::nullopt);
    const Sheet& s = w.StringGrid1;
    EXPECT_EQ(s.cell(col::No, 0), "1");
    EXPECT_EQ(s.cell(col::No, 1), "2");
    EXPECT_EQ(s.cell(col::FeederNo, 3), "2");
    EXPECT_EQ(w.frequency(), 50);
    EXPECT_EQ(w.Label66, "50Hz");
    // The file says 令和5 (2023); today is 2026.
    EXPECT_EQ(w.Label56, "令和");
    EXPECT_EQ(w.Edit25, "5");
    EXPECT_EQ(w.Edit3, "2023");
    EXPECT_EQ(w.Edit26, "4");
    EXPECT_EQ(w.Edit1, "テスト ビル,A棟");
    EXPECT_TRUE(w.RadioButton3);
    EXPECT_TRUE(w.RadioButton5);
    EXPECT_EQ(w.Edit2, "平成");  // the settings panel's era name from (34,2)
    for (int r = 0; r < 3; ++r) EXPECT_EQ(s.cell(col::Carrier, r), "") << r;
    EXPECT_FALSE(w.modified);
}

TEST(SheetFileCommands, CarriersOfRowsThatWereNotWrittenAreLost)
{
    const ScratchFolder dir("carriers");
    Window saved;
    saved.StringGrid1.setCell(col::Mark, 0, "──▶");
    saved.RadioButton4Click();  // 西暦
    saved.RadioButton6Click();  // no page numbers
    saved.Edit2 = "平成";
    saved.RadioButton2Click();
    ASSERT_EQ(saved.saveSheetFile((dir / "one.ksk").string()), std::nullopt);

    Window loaded;
    loaded.Edit2 = "昭和";
    ASSERT_EQ(loaded.loadSheetFile((dir / "one.ksk").string()), std::nullopt);
    EXPECT_TRUE(loaded.RadioButton4);  // row 0 was written
    EXPECT_TRUE(loaded.RadioButton5);  // row 1 was not: page numbers printed
    EXPECT_EQ(loaded.Edit2, "令和");   // row 2 was not: the era conversion's name stays
    EXPECT_EQ(loaded.frequency(), 50);
    EXPECT_EQ(loaded.Edit3, saved.Edit3);

    // A frequency line "0" keeps the current choice.
    std::string text = bytesOf(dir / "one.ksk");
    text.replace(text.find("\r\n50\r\n"), 6, "\r\n0\r\n");
    Window fifty;
    fifty.RadioButton2Click();
    ASSERT_EQ(fifty.loadSheetData(text), std::nullopt);
    EXPECT_EQ(fifty.frequency(), 50);
}

TEST(SheetFileCommands, MalformedFilesAreRefusedAndTheWorkStaysUntouched)
{
    const std::string valid = encodeCp932("120\r\n1\r\n,,,,,──?\r\n,,,,,──?\r\n60\r\n5\r\n4\r\n1\r\nb\r\n令和\r\n");
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) % 256);
    const std::string cases[] = {
        "",
        "abc\r\n0\r\n",
        "120\r\nx\r\n,,,,\r\n60\r\n1\r\n1\r\n1\r\nb\r\nc\r\n",
        valid.substr(0, valid.size() / 2),            // truncated in the rows
        valid.substr(0, valid.rfind("b\r\n")),        // truncated in the title
        "99999999999\r\n0\r\n,\r\n60\r\n1\r\n1\r\n1\r\nb\r\nc\r\n",
        "100021\r\n0\r\n,\r\n60\r\n1\r\n1\r\n1\r\nb\r\nc\r\n",
        "-5\r\n0\r\n,\r\n60\r\n1\r\n1\r\n1\r\nb\r\nc\r\n",
        "120\r\n-1\r\n60\r\n1\r\n1\r\n1\r\nb\r\nc\r\n",
        "120\r\n99999\r\n,\r\n60\r\n1\r\n1\r\n1\r\nb\r\nc\r\n",  // claims rows it does not hold
        "120\r\n2000000000\r\n",
        garbage,
    };
    Window w;
    fillAwkwardSheet(w);
    w.modified = true;
    const TForm1 before = w;
    for (const auto& bytes : cases) {
        auto reason = w.loadSheetData(bytes);
        EXPECT_TRUE(reason.has_value()) << bytes.substr(0, 30);
        EXPECT_EQ(w.StringGrid1, before.StringGrid1);
        EXPECT_EQ(w.Edit1, before.Edit1);
        EXPECT_EQ(w.Edit25, before.Edit25);
        EXPECT_EQ(w.Label56, before.Label56);
        EXPECT_EQ(w.frequency(), before.frequency());
        EXPECT_TRUE(w.modified);
    }
    EXPECT_EQ(w.loadSheetData(valid), std::nullopt);
}

TEST(SheetFileCommands, OpenAsksBeforeDiscardingWorkAndWarnsWhenTheFileFails)
{
    Window w;
    fillAwkwardSheet(w);
    w.modified = true;
    const Sheet work = w.StringGrid1;

    w.messages.answers = {false};
    w.Button1Click();
    ASSERT_EQ(w.messages.asked, std::vector<std::string>{"作業中のデーターが消失します。開いてよろしいですか？"});
    EXPECT_TRUE(w.messages.proposedNames.empty());  // "No" stops before the dialog

    w.messages.answers = {true};
    w.messages.files = {fixture("no_such_file.ksk")};
    w.Button1Click();
    ASSERT_EQ(w.messages.warned.size(), 1u);
    EXPECT_TRUE(w.messages.warned[0].starts_with("ファイルを読み込めませんでした: ")) << w.messages.warned[0];
    EXPECT_EQ(w.StringGrid1, work);

    w.messages.answers = {true};
    w.messages.files = {fixture("utf8_bom.ksk")};
    w.Button1Click();
    EXPECT_EQ(w.FileName, fixture("utf8_bom.ksk"));
    EXPECT_EQ(w.Edit1, "BOMビル");
    EXPECT_EQ(w.Edit25, "元");  // 令和元年 kept
    EXPECT_EQ(w.frequency(), 60);

    // Nothing unsaved: no question.
    w.messages.asked.clear();
    w.messages.files = {std::nullopt};
    w.Button1Click();
    EXPECT_TRUE(w.messages.asked.empty());
}

TEST(SheetFileCommands, ADroppedFileOpensAsOpenDoes)
{
    Window w;
    w.Edit1 = "作業中";
    w.modified = true;
    w.messages.answers = {false, true};
    w.openSheetFile(fixture("utf8_bom.ksk"));
    EXPECT_EQ(w.Edit1, "作業中");  // "No" keeps the work
    w.openSheetFile(fixture("utf8_bom.ksk"));
    EXPECT_EQ(w.messages.asked.size(), 2u);
    EXPECT_EQ(w.FileName, fixture("utf8_bom.ksk"));
    EXPECT_EQ(w.Edit1, "BOMビル");
    EXPECT_FALSE(w.modified);
}

TEST(SheetFileCommands, SaveProposesTheBuildingNameAndAddsTheExtension)
{
    const ScratchFolder dir("save");
    Window w;
    w.Edit1 = "本社";
    struct Case {
        std::string chosen, written;
    } cases[] = {{"a", "a.ksk"}, {"b.ksk", "b.ksk"}, {"cksk", "cksk"}, {"d.txt", "d.txt.ksk"}};
    for (const auto& c : cases) {
        w.messages.files = {(dir / c.chosen).string()};
        w.Button2Click();
        EXPECT_TRUE(fs::exists(dir / c.written)) << c.chosen;
        EXPECT_EQ(w.FileName, (dir / c.written).string());
    }
    EXPECT_EQ(w.messages.proposedNames.back(), "本社幹線計算書");

    w.messages.files = {std::nullopt};
    w.Button2Click();
    EXPECT_TRUE(w.messages.errors.empty());

    w.messages.files = {(dir / "missing" / "x.ksk").string()};
    w.modified = true;
    w.Button2Click();
    ASSERT_EQ(w.messages.errors.size(), 1u);
    EXPECT_TRUE(w.modified);
}

TEST(SettingsFileCommands, SaveAndLoadRestoreThePanelAndShortFilesAreReported)
{
    const ScratchFolder dir("settings");
    Window w;
    w.settingsFolder = dir.string() + "/";
    w.Button22Click();  // no set.ini yet: defaults stay, no message
    EXPECT_TRUE(w.messages.errors.empty());
    EXPECT_EQ(w.frequency(), 60);

    w.RadioButton2Click();
    w.RadioButton4Click();
    w.RadioButton6Click();
    w.Edit2 = "平成";
    w.Button21Click();
    EXPECT_EQ(bytesOf(dir / "set.ini"), encodeCp932("2\r\n平成\r\n4\r\n6\r\n"));

    Window other;
    other.settingsFolder = w.settingsFolder;
    other.Button22Click();
    EXPECT_EQ(other.frequency(), 50);
    EXPECT_EQ(other.Label66, "50Hz");
    EXPECT_TRUE(other.RadioButton4);
    EXPECT_TRUE(other.Edit3Visible);
    EXPECT_FALSE(other.Label56Visible);
    EXPECT_TRUE(other.RadioButton6);
    EXPECT_FALSE(other.modified);

    ASSERT_EQ(replaceFile((dir / "set.ini").string(), encodeCp932("1\r\n昭和\r\n")), std::nullopt);
    other.Button22Click();
    EXPECT_EQ(other.frequency(), 60);  // the lines that are there still apply
    EXPECT_EQ(other.Edit2, "昭和");
    EXPECT_TRUE(other.RadioButton4);
    EXPECT_EQ(other.messages.errors.size(), 1u);
}
