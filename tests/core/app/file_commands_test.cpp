#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <tuple>
#include <iterator>

#include "app/tform1.h"
#include "support/cli_run.h"
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

    w.messages.unsavedAnswers = {UnsavedWork::Cancel};
    w.Button1Click();
    ASSERT_EQ(w.messages.asked, std::vector<std::string>{kUnsavedWorkQuestion});
    EXPECT_TRUE(w.messages.proposedNames.empty());  // "キャンセル" stops before the dialog

    w.messages.unsavedAnswers = {UnsavedWork::Discard};
    w.messages.files = {fixture("no_such_file.ksk")};
    w.Button1Click();
    ASSERT_EQ(w.messages.warned.size(), 1u);
    EXPECT_TRUE(w.messages.warned[0].starts_with("ファイルを読み込めませんでした: ")) << w.messages.warned[0];
    EXPECT_EQ(w.StringGrid1, work);

    w.messages.unsavedAnswers = {UnsavedWork::Discard};
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
    w.messages.unsavedAnswers = {UnsavedWork::Cancel, UnsavedWork::Discard};
    w.openSheetFile(fixture("utf8_bom.ksk"));
    EXPECT_EQ(w.Edit1, "作業中");  // "キャンセル" keeps the work
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
    EXPECT_EQ(w.messages.proposedNames.front(), "本社幹線計算書");  // a new sheet
    EXPECT_EQ(w.messages.proposedNames.back(), (dir / "cksk").string());  // then the file it was saved as

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

namespace {

// What a failed open or save must leave exactly as it was.
struct WindowState {
    Sheet sheet;
    std::string building, fileName, recoveredFile;
    bool modified = false;
    explicit WindowState(const TForm1& w)
        : sheet(w.StringGrid1), building(w.Edit1), fileName(w.FileName), recoveredFile(w.recoveredFile),
          modified(w.modified)
    {
    }
    bool operator==(const WindowState&) const = default;
};

}  // namespace

TEST(SheetFileCommands, AFailedOpenOrSaveLeavesTheWindowAsItWas)
{
    const ScratchFolder dir("failed", {"readonly", "folder.ksk"});
    const std::string png = std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x01", 20);
    ASSERT_EQ(replaceFile((dir / "fake.ksk").string(), png), std::nullopt);
    ASSERT_EQ(replaceFile((dir / "unreadable.ksk").string(), bytesOf(fixture("utf8_bom.ksk"))), std::nullopt);
    ASSERT_EQ(replaceFile((dir / "plain").string(), "x"), std::nullopt);
    fs::permissions(dir / "unreadable.ksk", fs::perms::none);
    fs::permissions(dir / "readonly", fs::perms::owner_read | fs::perms::owner_exec);
    // The system's administrator reads and writes past permissions.
    const bool permissionsHold = ::geteuid() != 0;

    struct Case {
        const char* what;
        bool needsPermissions;
        std::function<void(Window&)> run;
    };
    auto open = [&](const std::string& name) {
        return [&dir, name](Window& w) {
            w.messages.unsavedAnswers = {UnsavedWork::Discard};
            w.messages.files = {(dir / name).string()};
            w.Button1Click();
        };
    };
    auto saveAs = [&](const std::string& path) {
        return [&dir, path](Window& w) {
            w.messages.files = {(dir / path).string()};
            w.Button2Click();
        };
    };
    const Case cases[] = {
        {"a PNG renamed .ksk", false, open("fake.ksk")},
        {"a dropped PNG", false,
         [&](Window& w) {
             w.messages.unsavedAnswers = {UnsavedWork::Discard};
             w.openSheetFile((dir / "fake.ksk").string());
         }},
        {"a file without read permission", true, open("unreadable.ksk")},
        {"a folder named .ksk", false, open("folder.ksk")},
        {"a save into a read-only folder", true, saveAs("readonly/y.ksk")},
        {"a save under a plain file", false, saveAs("plain/y.ksk")},
        {"a save into a missing folder", false, saveAs("missing/y.ksk")},
    };
    for (const Case& c : cases) {
        if (c.needsPermissions && !permissionsHold) continue;
        Window w;
        fillAwkwardSheet(w);
        ASSERT_EQ(w.saveSheetFile((dir / "own.ksk").string()), std::nullopt);
        w.FileName = (dir / "own.ksk").string();
        w.Edit1 = "未保存の変更";
        w.modified = true;
        const WindowState before(w);
        const std::string ownBytes = bytesOf(dir / "own.ksk");
        c.run(w);
        EXPECT_TRUE(WindowState(w) == before) << c.what << ": file " << w.FileName;
        EXPECT_EQ(w.messages.warned.size() + w.messages.errors.size(), 1u) << c.what;
        EXPECT_EQ(bytesOf(dir / "own.ksk"), ownBytes) << c.what;
    }
    EXPECT_FALSE(fs::exists(dir / "readonly" / "y.ksk"));
    fs::permissions(dir / "readonly", fs::perms::owner_all);
}

TEST(SheetFileCommands, SaveProposesTheSheetsOwnFileAndOverwriteSaveWritesItWithoutADialog)
{
    const ScratchFolder dir("overwrite");
    const std::string own = (dir / "本社.ksk").string();
    Window w;
    w.Edit1 = "本社";
    // A new sheet: "上書き保存" asks for a name as "保存" does.
    w.messages.files = {(dir / "本社").string()};
    w.ButtonSaveClick();
    ASSERT_EQ(w.messages.proposedNames, std::vector<std::string>{"本社幹線計算書"});
    EXPECT_EQ(w.FileName, own);

    w.Edit1 = "別館";
    w.modified = true;
    w.ButtonSaveClick();
    EXPECT_EQ(w.messages.proposedNames.size(), 1u);  // no dialog
    EXPECT_FALSE(w.modified);
    TForm1 reread;
    ASSERT_EQ(reread.loadSheetFile(own), std::nullopt);
    EXPECT_EQ(reread.Edit1, "別館");

    // An opened sheet: "保存" proposes its file, name and folder.
    Window opened;
    opened.openSheetFile(own);
    opened.messages.files = {std::nullopt};
    opened.Button2Click();
    EXPECT_EQ(opened.messages.proposedNames, std::vector<std::string>{own});
}

TEST(SheetFileCommands, UnsavedWorkIsSavedLetGoOrKeptBeforeAnotherSheetOpens)
{
    const ScratchFolder dir("unsaved");
    const std::string other = fixture("utf8_bom.ksk");  // building "BOMビル"
    struct Case {
        const char* what;
        bool hasFile;
        UnsavedWork answer;
        std::optional<std::string> dialog;  // the save dialog's answer, when it opens
        bool opens;
        const char* savedTo;  // the file that then holds "作業中", or nullptr
    } cases[] = {
        {"cancel", true, UnsavedWork::Cancel, std::nullopt, false, nullptr},
        {"let go", true, UnsavedWork::Discard, std::nullopt, true, nullptr},
        {"save to its file", true, UnsavedWork::Save, std::nullopt, true, "own.ksk"},
        {"save a new sheet", false, UnsavedWork::Save, (dir / "new").string(), true, "new.ksk"},
        {"save dialog cancelled", false, UnsavedWork::Save, std::nullopt, false, nullptr},
    };
    for (const auto& c : cases) {
        for (bool dropped : {false, true}) {
            Window w;
            if (c.hasFile) {
                ASSERT_EQ(w.saveSheetFile((dir / "own.ksk").string()), std::nullopt);
                w.FileName = (dir / "own.ksk").string();
            }
            w.Edit1 = "作業中";
            w.modified = true;
            w.messages.unsavedAnswers = {c.answer};
            if (!c.hasFile) w.messages.files.push_back(c.dialog);
            if (dropped) {
                w.openSheetFile(other);
            } else {
                w.messages.files.push_back(other);
                w.Button1Click();
            }
            const std::string what = std::string(c.what) + (dropped ? " (dropped)" : " (開く)");
            EXPECT_EQ(w.messages.asked, std::vector<std::string>{kUnsavedWorkQuestion}) << what;
            EXPECT_EQ(w.Edit1, c.opens ? "BOMビル" : "作業中") << what;
            EXPECT_EQ(w.modified, !c.opens) << what;
            if (c.savedTo) {
                TForm1 saved;
                ASSERT_EQ(saved.loadSheetFile((dir / c.savedTo).string()), std::nullopt) << what;
                EXPECT_EQ(saved.Edit1, "作業中") << what;
            }
            fs::remove(dir / "own.ksk");
            fs::remove(dir / "new.ksk");
        }
    }
}

TEST(SheetFileCommands, ASheetNamedOnTheCommandLineShowsWhatOpenShows)
{
    const ScratchFolder dir("command_line");
    fs::copy_file(fixture("set.ini"), dir / "set.ini");  // 50 Hz, 平成, 西暦, no page numbers
    const std::string sheet = (dir / "r7.ksk").string();
    {
        Window author;
        author.Label56 = "令和";
        author.Edit25 = "7";
        author.Edit26 = "3";
        author.Edit27 = "14";
        author.Edit1 = "六十ヘルツ棟";
        author.StringGrid1.setCell(col::Mark, 0, std::string(mark::Single));
        author.StringGrid1.setCell(col::No, 0, "1");
        ASSERT_EQ(author.saveSheetFile(sheet), std::nullopt);
    }
    auto started = [&](std::vector<std::string> args) {
        auto w = std::make_unique<TForm1>();
        w->today = [] { return CivilDate{2026, 12, 9}; };
        w->FormCreate((dir / "tolvane").string(), args, 1920, 1080);
        w->FormShow();
        return w;
    };
    auto fromCommandLine = started({sheet});
    auto opened = started({});
    RecordingHost host;
    host.files = {sheet};
    opened->host = &host;
    opened->Button1Click();

    EXPECT_EQ(fromCommandLine->frequency(), 60);
    EXPECT_EQ(fromCommandLine->Label66, "60Hz");
    EXPECT_EQ(fromCommandLine->Label56, "令和");
    EXPECT_EQ(fromCommandLine->Edit25, "7");
    EXPECT_EQ(fromCommandLine->FileName, sheet);
    for (const TForm1* w : {fromCommandLine.get(), opened.get()}) EXPECT_FALSE(w->modified);
    const TForm1& a = *fromCommandLine;
    const TForm1& b = *opened;
    EXPECT_EQ(a.StringGrid1, b.StringGrid1);
    EXPECT_EQ(std::tie(a.Edit1, a.Label56, a.Edit25, a.Edit26, a.Edit27, a.Edit3, a.Edit2, a.Label66, a.FileName),
              std::tie(b.Edit1, b.Label56, b.Edit25, b.Edit26, b.Edit27, b.Edit3, b.Edit2, b.Label66, b.FileName));
    EXPECT_EQ(std::tie(a.RadioButton1, a.RadioButton2, a.RadioButton3, a.RadioButton4, a.RadioButton5, a.RadioButton6,
                       a.Label56Visible, a.Edit3Visible),
              std::tie(b.RadioButton1, b.RadioButton2, b.RadioButton3, b.RadioButton4, b.RadioButton5, b.RadioButton6,
                       b.Label56Visible, b.Edit3Visible));
}

TEST(SheetFileCommands, AWesternYearTypedInTheWesternDisplayOpensAsTyped)
{
    const ScratchFolder dir("western_year");
    const std::string path = (dir / "year.ksk").string();
    struct Case {
        const char *typed, *month, *day, *era, *year;
    } cases[] = {
        {"2023", "6", "1", "令和", "5"},    {"2019", "4", "30", "平成", "31"}, {"2019", "5", "1", "令和", "元"},
        {"1989", "1", "7", "昭和", "64"},   {"1995", "", "", "平成", "7"},
    };
    for (const auto& c : cases) {
        Window w;
        w.RadioButton4Click();  // 西暦
        w.Edit3 = c.typed;
        w.Edit26 = c.month;
        w.Edit27 = c.day;
        ASSERT_EQ(w.saveSheetFile(path), std::nullopt);
        EXPECT_EQ(w.Edit3, c.typed);  // the window keeps showing it

        Window western;
        western.RadioButton4Click();
        western.openSheetFile(path);
        EXPECT_EQ(western.Edit3, c.typed) << c.typed << "-" << c.month << "-" << c.day;

        Window era;  // the file says 西暦: shown in 和暦 it is the same date
        ASSERT_EQ(era.loadSheetFile(path), std::nullopt);
        era.RadioButton3Click();
        EXPECT_EQ(era.Label56, c.era) << c.typed << "-" << c.month << "-" << c.day;
        EXPECT_EQ(era.Edit25, c.year) << c.typed << "-" << c.month << "-" << c.day;
    }
}

TEST(SheetFileCommands, TextsTheFileCannotHoldAreNamedBeforeSaving)
{
    const ScratchFolder dir("lost_characters");
    const std::string path = (dir / "lost.ksk").string();
    Window w;
    w.StringGrid1.setCell(col::Mark, 0, std::string(mark::Single));  // "▶" of a tree mark reads back
    w.StringGrid1.setCell(col::No, 0, "1");
    w.StringGrid1.setCell(col::Remarks, 0, "▶予備");
    w.StringGrid1.setCell(col::Mark, 2, std::string(mark::Single));
    w.StringGrid1.setCell(col::No, 2, "2");
    w.StringGrid1.setCell(col::LoadName, 2, "照明😀と😀");
    w.StringGrid1.setCell(col::Name, 2, "𠮷野家");
    w.Edit1 = "𠮷田ビル";
    w.modified = true;
    const WindowState before(w);

    w.messages.files = {path};
    w.messages.answers = {false};
    w.Button2Click();
    ASSERT_EQ(w.messages.asked.size(), 1u);
    EXPECT_EQ(w.messages.asked[0], std::string(kLostCharactersQuestion) +
                                       "・建物名称：「𠮷」(U+20BB7)\n"
                                       "・1行目 備考：「▶」(U+25B6)\n"
                                       "・3行目 幹線番号又は名称：「𠮷」(U+20BB7)\n"
                                       "・3行目 負荷名称：「😀」(U+1F600)\n" +
                                       kLostCharactersQuestionEnd);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(WindowState(w) == before);

    w.messages.files = {path};
    w.messages.answers = {true};
    w.Button2Click();
    EXPECT_FALSE(w.modified);
    TForm1 reread;
    ASSERT_EQ(reread.loadSheetFile(path), std::nullopt);
    EXPECT_EQ(reread.Edit1, "?田ビル");
    EXPECT_EQ(reread.StringGrid1.cell(col::LoadName, 2), "照明?と?");
    EXPECT_EQ(reread.StringGrid1.cell(col::Mark, 0), mark::Single);

    // The command-line tools save all the same and name the texts on stderr.
    // A UTF-8 file (with its byte-order mark) can bring such a text in.
    const fs::path utf8 = dir / "utf8.ksk";
    ASSERT_EQ(replaceFile(utf8.string(), "\xEF\xBB\xBF" "120\r\n0\r\n1,,,,,──▶,,絵😀\r\n60\r\n5\r\n4\r\n1\r\n"
                                         "𠮷田ビル\r\n令和\r\n"),
              std::nullopt);
    const fs::path out = dir / "out.ksk";
    const auto run = tolvane::test::runCli("resave '" + utf8.string() + "' '" + out.string() + "'");
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.err.find("・建物名称：「𠮷」(U+20BB7)\n・1行目 負荷名称：「😀」(U+1F600)\n"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(out.string()), std::string::npos) << run.err;
    ASSERT_EQ(reread.loadSheetFile(out.string()), std::nullopt);
    EXPECT_EQ(reread.Edit1, "?田ビル");
}
