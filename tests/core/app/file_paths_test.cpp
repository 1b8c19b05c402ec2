// Every command that reads or writes a file, tried on the paths a careless or
// unlucky user gives it: an output that cannot be written says why in
// Japanese and leaves the earlier file and the folder as they were; an input
// that is no regular file is refused at once; an output that is the input is
// refused unless the command writes a sheet. The commands are those of
// tolvane-cli and the window's file commands through the host.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "app/tform1.h"
#include "sheet/file_store.h"
#include "support/cli_run.h"
#include "support/output_cases.h"
#include "support/started_window.h"
#include "support/test_files.h"

using namespace tolvane;
using tolvane::testing::bytesOf;
using tolvane::testing::freshFolder;
using tolvane::testing::kOutputCases;
using tolvane::testing::namesIn;
using tolvane::testing::OutputCase;
using tolvane::testing::put;
using tolvane::testing::SmallDisk;
namespace fs = std::filesystem;

namespace {

const std::string kSheet = std::string(TOLVANE_TEST_DATA) + "/output/small.ksk";

std::string shellArg(const fs::path& p) { return "'" + p.string() + "'"; }

// What a command made of a path: the exit code (0 done, 1 reported, 2 bad
// input, 3 cannot write) and everything it said.
struct Outcome {
    int code = -1;
    std::string said;
};

// Runs `body` in a child process, as the user "nobody" when `unprivileged`
// (root may write anywhere), and hands back what it said.
Outcome inChild(bool unprivileged, const std::function<Outcome()>& body)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return {};
    pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        if (unprivileged && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(99);
        Outcome o = body();
        std::string said = o.said;
        while (!said.empty()) {
            ssize_t put = ::write(pipeFds[1], said.data(), said.size());
            if (put <= 0) break;
            said.erase(0, static_cast<std::size_t>(put));
        }
        ::_exit(o.code);
    }
    ::close(pipeFds[1]);
    Outcome o;
    char buffer[4096];
    for (ssize_t got; (got = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) o.said.append(buffer, got);
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    o.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return o;
}

std::string joined(const std::vector<std::string>& texts)
{
    std::string all;
    for (const auto& t : texts) all += t + "\n";
    return all;
}

// A command that writes OUT from the sheet file IN.
struct Writer {
    const char* name;
    const char* extension;
    int doneCode;  // the exit code of a good run on small.ksk
    std::function<Outcome(const std::string& in, const std::string& out, bool unprivileged)> run;
};

std::function<Outcome(const std::string&, const std::string&, bool)> cli(const std::string& command,
                                                                         const std::string& options = "")
{
    return [=](const std::string& in, const std::string& out, bool unprivileged) {
        auto run = [&] {
            auto r = tolvane::test::runCli(command + " " + shellArg(in) + " " + shellArg(out) + options);
            return Outcome{r.code, r.err};
        };
        return unprivileged ? inChild(true, run) : run();
    };
}

// The window's commands run in a child process, so that a case may drop
// root's privileges.
Outcome windowSaves(const std::string& in, const std::string& out)
{
    tolvane::testing::StartedWindow w;
    if (auto reason = w.loadSheetFile(in)) return {2, *reason};
    w.messages.files.push_back(out);
    w.Button2Click();
    return {w.messages.errors.empty() ? 0 : 3, joined(w.messages.errors)};
}

Outcome windowExports(const std::string& in, const std::string& out, WorkbookMode mode)
{
    tolvane::testing::StartedWindow w;
    w.FileName = in;
    if (auto reason = w.loadSheetFile(in)) return {2, *reason};
    auto failure = w.exportWorkbook(out, mode);
    return {failure ? 3 : 0, failure ? failure->text : ""};
}

const std::vector<Writer>& writers()
{
    static const std::vector<Writer> all = {
        {"resave", ".ksk", 0, cli("resave")},
        // small.ksk holds a current with a thousands separator, which the
        // recalculation reports, and a feeder that cannot be sized.
        {"recalc", ".ksk", 1, cli("recalc")},
        {"size", ".ksk", 1, cli("size")},
        {"print-pdf", ".pdf", 0, cli("print-pdf")},
        {"export-xlsx item", ".xlsx", 0, cli("export-xlsx", " --mode item")},
        {"export-xlsx rows18", ".xlsx", 0, cli("export-xlsx", " --mode rows18")},
        {"window 保存", ".ksk", 0,
         [](const std::string& in, const std::string& out, bool unprivileged) {
             return inChild(unprivileged, [&] { return windowSaves(in, out); });
         }},
        {"window エクセル変換", ".xlsx", 0,
         [](const std::string& in, const std::string& out, bool unprivileged) {
             return inChild(unprivileged, [&] { return windowExports(in, out, WorkbookMode::Rows18); });
         }},
    };
    return all;
}

}  // namespace

TEST(FilePaths, AnOutputThatCannotBeWrittenSaysWhyAndLeavesEverythingAsItWas)
{
    for (const Writer& writer : writers()) {
        for (const OutputCase& c : kOutputCases) {
            const std::string label = std::string(writer.name) + ", " + c.name;
            const fs::path dir = freshFolder("paths");
            std::unique_ptr<SmallDisk> disk;
            const fs::path out = c.setup(dir, writer.extension, disk);
            if (out.empty()) {
                fs::remove_all(dir);
                continue;  // this machine cannot make the case (not root)
            }
            const fs::path folder = out.parent_path();
            const std::set<std::string> before = namesIn(folder);
            std::error_code ignored;
            const std::string earlier = fs::is_regular_file(out, ignored) ? bytesOf(out) : "";
            const fs::file_type type = fs::symlink_status(out, ignored).type();

            const Outcome o = writer.run(kSheet, out.string(), c.unprivileged);
            EXPECT_EQ(o.code, 3) << label << ": " << o.said;
            EXPECT_NE(o.said.find(c.reason), std::string::npos) << label << ": " << o.said;
            EXPECT_NE(o.said.find(out.filename().string()), std::string::npos) << label << ": " << o.said;
            EXPECT_EQ(namesIn(folder), before) << label;  // no new file, no temporary file left
            if (fs::is_regular_file(out, ignored)) {
                EXPECT_EQ(bytesOf(out), earlier) << label;
            }
            EXPECT_EQ(fs::symlink_status(out, ignored).type(), type) << label;  // a folder, pipe or device stays one
            disk.reset();
            if (fs::exists(dir / "locked")) fs::permissions(dir / "locked", fs::perms::owner_all);
            fs::remove_all(dir);
        }
    }
}

TEST(FilePaths, AGoodOutputReplacesTheEarlierFileWhateverStandsBesideIt)
{
    for (const Writer& writer : writers()) {
        const fs::path dir = freshFolder("good");
        // A link and a file of the user's under the names an old export
        // used for its half-written file: neither is touched.
        const std::string ext = writer.extension;
        put(dir / "keep.txt", "the user's own file");
        fs::create_symlink("keep.txt", dir / ("out" + ext + ".part"));
        put(dir / ("other" + ext + ".part"), "the user's own file");
        // An earlier output readable by its owner alone keeps that mode.
        put(dir / ("out" + ext), "earlier");
        fs::permissions(dir / ("out" + ext), fs::perms::owner_read | fs::perms::owner_write);
        // The longest name the system allows, its extension included.
        const std::string longName = std::string(255 - ext.size(), 'l') + ext;

        for (const std::string& name : {"out" + ext, "other" + ext, longName}) {
            const Outcome o = writer.run(kSheet, (dir / name).string(), false);
            EXPECT_EQ(o.code, writer.doneCode) << writer.name << " " << name.size() << ": " << o.said;
            EXPECT_GT(fs::file_size(dir / name), 100u) << writer.name << " " << name.size();
        }
        EXPECT_EQ(fs::status(dir / ("out" + ext)).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write)
            << writer.name;
        EXPECT_EQ(bytesOf(dir / "keep.txt"), "the user's own file") << writer.name;
        EXPECT_TRUE(fs::is_symlink(dir / ("out" + ext + ".part"))) << writer.name;
        EXPECT_EQ(bytesOf(dir / ("other" + ext + ".part")), "the user's own file") << writer.name;
        EXPECT_EQ(namesIn(dir), (std::set<std::string>{"keep.txt", "out" + ext + ".part", "other" + ext + ".part",
                                                       "out" + ext, "other" + ext, longName}))
            << writer.name;
        fs::remove_all(dir);
    }
}

TEST(FilePaths, AnInputThatIsNoRegularFileIsRefusedAtOnceNamingIt)
{
    const fs::path dir = freshFolder("inputs");
    ::mkfifo((dir / "pipe.ksk").c_str(), 0644);
    fs::create_directory(dir / "folder.ksk");
    fs::create_symlink("/dev/zero", dir / "zero.ksk");
    put(dir / "scenario.txt", "");
    struct Input {
        fs::path path;
        const char* reason;
    };
    const Input inputs[] = {
        {dir / "pipe.ksk", "名前付きパイプで、ファイルではありません"},
        {"/dev/zero", "デバイスで、ファイルではありません"},
        {"/dev/urandom", "デバイスで、ファイルではありません"},
        {dir / "zero.ksk", "デバイスで、ファイルではありません"},
        {dir / "folder.ksk", "フォルダーで、ファイルではありません"},
    };
    const fs::path out = dir / "out";
    // Each command reading a sheet (or a scenario) from IN.
    const std::pair<const char*, std::function<Outcome(const std::string&)>> readers[] = {
        {"check", [](auto& in) { auto r = tolvane::test::runCli("check " + shellArg(in)); return Outcome{r.code, r.err}; }},
        {"dump", [](auto& in) { auto r = tolvane::test::runCli("dump " + shellArg(in)); return Outcome{r.code, r.err}; }},
        {"clipboard",
         [](auto& in) { auto r = tolvane::test::runCli("clipboard " + shellArg(in)); return Outcome{r.code, r.err}; }},
        {"play SCENARIO",
         [](auto& in) { auto r = tolvane::test::runCli("play " + shellArg(in)); return Outcome{r.code, r.err}; }},
        {"play --sheet",
         [&](auto& in) {
             auto r = tolvane::test::runCli("play " + shellArg(dir / "scenario.txt") + " --sheet " + shellArg(in));
             return Outcome{r.code, r.err};
         }},
        {"window 開く", [](auto& in) {
             tolvane::testing::StartedWindow w;
             w.openSheetFile(in);
             return Outcome{w.messages.warned.empty() ? 0 : 2, joined(w.messages.warned)};
         }},
    };
    for (const Input& input : inputs) {
        for (const auto& [name, read] : readers) {
            const Outcome o = read(input.path.string());
            EXPECT_EQ(o.code, 2) << name << " " << input.path << ": " << o.said;
            EXPECT_NE(o.said.find(input.reason), std::string::npos) << name << " " << input.path << ": " << o.said;
            EXPECT_NE(o.said.find(input.path.string()), std::string::npos) << name << ": " << o.said;
        }
        for (const Writer& writer : writers()) {
            const Outcome o = writer.run(input.path.string(), out.string() + writer.extension, false);
            EXPECT_EQ(o.code, 2) << writer.name << " " << input.path << ": " << o.said;
            EXPECT_NE(o.said.find(input.reason), std::string::npos) << writer.name << ": " << o.said;
            EXPECT_FALSE(fs::exists(out.string() + writer.extension)) << writer.name;
        }
    }
    fs::remove_all(dir);
}

TEST(FilePaths, ASettingsFileThatIsNoTextFileIsReportedAndNeverWaitedFor)
{
    const fs::path dir = freshFolder("settings_inputs");
    struct Case {
        const char* name;
        std::function<void(const fs::path& ini)> make;
        const char* reason;
    };
    std::string binary;
    for (int i = 0; i < 2048; ++i) binary += static_cast<char>((i * 37 + 11) % 256);
    const Case cases[] = {
        {"named pipe", [](const fs::path& ini) { ::mkfifo(ini.c_str(), 0644); }, "名前付きパイプで"},
        {"link to /dev/zero", [](const fs::path& ini) { fs::create_symlink("/dev/zero", ini); }, "デバイスで"},
        {"folder", [](const fs::path& ini) { fs::create_directory(ini); }, "フォルダーで"},
        {"binary", [&](const fs::path& ini) { put(ini, binary); }, "set.ini は設定ファイルではありません"},
    };
    for (const Case& c : cases) {
        const fs::path ini = dir / "set.ini";
        c.make(ini);
        // The window at start.
        tolvane::testing::StartedWindow w;
        w.settingsFolder = dir.string() + "/";
        w.Button22Click();
        ASSERT_EQ(w.messages.errors.size(), 1u) << c.name;
        EXPECT_NE(w.messages.errors[0].find(c.reason), std::string::npos) << c.name << ": " << w.messages.errors[0];
        EXPECT_EQ(w.frequency(), 60) << c.name;  // nothing of it was taken for a setting
        // A command run in that folder (the command line reads set.ini from
        // the current folder) is not held up by it.
        const std::string command = "cd " + shellArg(dir) + " && timeout 20 " + TOLVANE_CLI + " check " + shellArg(kSheet) +
                                    " >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 124) << c.name;
        fs::remove_all(ini);
    }
    fs::remove_all(dir);
}

TEST(FilePaths, AnOutputThatIsTheInputIsRefusedUnlessASheetIsWritten)
{
    const fs::path dir = freshFolder("same");
    const fs::path sheet = dir / "a.ksk";
    struct Case {
        const char* name;
        std::function<Outcome(const fs::path& in, const fs::path& out)> run;
        bool writesSheet;
    };
    auto cliCase = [](const std::string& command, const std::string& options = "") {
        return [=](const fs::path& in, const fs::path& out) {
            auto r = tolvane::test::runCli(command + " " + shellArg(in) + " " + shellArg(out) + options);
            return Outcome{r.code, r.err};
        };
    };
    const Case cases[] = {
        {"print-pdf", cliCase("print-pdf"), false},
        {"export-xlsx", cliCase("export-xlsx"), false},
        {"export-xlsx rows18", cliCase("export-xlsx", " --mode rows18"), false},
        {"window エクセル変換", [](auto& in, auto& out) { return windowExports(in, out, WorkbookMode::PerItem); }, false},
        {"play -o over its scenario",
         [](const fs::path& in, const fs::path& out) {
             auto r = tolvane::test::runCli("play " + shellArg(in) + " -o " + shellArg(out));
             return Outcome{r.code, r.err};
         },
         false},
        {"recalc", cliCase("recalc"), true},
        {"size", cliCase("size"), true},
        {"resave", cliCase("resave"), true},
        {"window 保存", [](auto& in, auto& out) { return windowSaves(in, out); }, true},
    };
    const fs::path links[] = {sheet, dir / "link.out", dir / "hard.out"};
    for (const Case& c : cases) {
        for (const fs::path& out : links) {
            fs::remove(dir / "link.out");
            fs::remove(dir / "hard.out");
            fs::copy_file(kSheet, sheet, fs::copy_options::overwrite_existing);
            fs::create_symlink("a.ksk", dir / "link.out");
            fs::create_hard_link(sheet, dir / "hard.out");
            const std::string before = bytesOf(sheet);
            const Outcome o = c.run(sheet, out);
            if (c.writesSheet) {
                EXPECT_LT(o.code, 2) << c.name << " " << out << ": " << o.said;  // it ran
            } else {
                EXPECT_GE(o.code, 2) << c.name << " " << out << ": " << o.said;
                EXPECT_NE(o.said.find("書き出し先が読み込んだファイルと同じです"), std::string::npos) << c.name << ": " << o.said;
                EXPECT_EQ(bytesOf(sheet), before) << c.name << " " << out;
            }
            TForm1 reread;
            EXPECT_EQ(reread.loadSheetFile(sheet.string()), std::nullopt) << c.name << " " << out;
        }
    }
    fs::remove_all(dir);
}

TEST(FilePaths, APrintStoppedByACellWritesNoPdfAndKeepsTheEarlierOne)
{
    const fs::path dir = freshFolder("stopped_print");
    const fs::path pdf = dir / "out.pdf";
    const std::string bad = std::string(TOLVANE_TEST_DATA) + "/output/bad_cell.ksk";
    auto r = tolvane::test::runCli("print-pdf " + shellArg(bad) + " " + shellArg(pdf));
    EXPECT_EQ(r.code, 1) << r.err;
    EXPECT_NE(r.err.find("情報不足で印刷出来ませんでした"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(pdf));
    ASSERT_EQ(tolvane::test::runCli("print-pdf " + shellArg(kSheet) + " " + shellArg(pdf)).code, 0);
    const std::string good = bytesOf(pdf);
    r = tolvane::test::runCli("print-pdf " + shellArg(bad) + " " + shellArg(pdf));
    EXPECT_EQ(r.code, 1) << r.err;
    EXPECT_EQ(bytesOf(pdf), good);
    EXPECT_EQ(namesIn(dir), std::set<std::string>{"out.pdf"});
    fs::remove_all(dir);
}

TEST(FilePaths, EachSystemErrorHasItsReasonInJapanese)
{
    const std::pair<int, const char*> reasons[] = {
        {ENOENT, "フォルダーがありません"},           {EACCES, "アクセスする権限がありません"},
        {ENOSPC, "ディスクの空きが足りません"},       {EROFS, "読み取り専用のファイルシステムです"},
        {ENAMETOOLONG, "名前が長すぎます"},           {ENOTDIR, "途中のフォルダーがフォルダーではありません"},
        {EISDIR, "フォルダーです"},
    };
    for (const auto& [error, reason] : reasons) EXPECT_EQ(fileErrorReason(error), reason) << error;
    // Any other cause keeps the system's own text.
    EXPECT_EQ(fileErrorReason(EIO), std::strerror(EIO));
}

TEST(FilePaths, TwoExportsToOneNameAtOnceLeaveOneCompleteFile)
{
    const fs::path dir = freshFolder("together");
    const fs::path out = dir / "out.xlsx";
    const std::string one = std::string(TOLVANE_CLI) + " export-xlsx " + shellArg(kSheet) + " " + shellArg(out);
    const std::string both = "{ " + one + " & a=$!; " + one + " & b=$!; wait $a && wait $b; } 2>" + shellArg(dir / "err");
    EXPECT_EQ(std::system(both.c_str()), 0) << bytesOf(dir / "err");
    const std::string bytes = bytesOf(out);
    // A whole workbook ends with the zip's end record, 22 bytes without a comment.
    ASSERT_GT(bytes.size(), 22u);
    EXPECT_EQ(bytes.substr(bytes.size() - 22, 4), std::string("PK\x05\x06", 4));
    EXPECT_EQ(namesIn(dir), (std::set<std::string>{"err", "out.xlsx"}));
    fs::remove_all(dir);
}
