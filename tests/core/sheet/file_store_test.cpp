#include <gtest/gtest.h>

#include <grp.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "sheet/file_store.h"
#include "sheet/sheet_file.h"
#include "support/test_files.h"

using namespace tolvane;
using tolvane::testing::freshFolder;
namespace fs = std::filesystem;

namespace {

// A sheet file of about two megabytes whose building name tells its version.
std::string bigFile(const std::string& building)
{
    Sheet sheet(20000);
    for (int r = 0; r < 20000; ++r) {
        sheet.setCell(col::Mark, r, "──▶");
        sheet.setCell(col::LoadName, r, "動力盤 " + std::to_string(r));
        sheet.setCell(col::Cable, r, "CV-T38゜");
    }
    return writeSheetFile(sheet, {"令和", "3", "5", "令和"}, {"60", "8", "1", "1", building, "令和"});
}

std::string readBack(const fs::path& path)
{
    std::string bytes;
    EXPECT_EQ(readWholeFile(path.string(), bytes), std::nullopt);
    return bytes;
}

std::vector<std::string> namesIn(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Runs `body` in a child process as a user who cannot write into a folder of
// mode 0555 (root is always allowed to, so root steps down to "nobody").
// Returns the child's exit code.
int unprivileged(const std::function<int()>& body)
{
    pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(99);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(FileStore, KillingTheProcessDuringASaveLeavesACompleteFile)
{
    const fs::path dir = freshFolder("kill");
    const fs::path target = dir / "work.ksk";
    const std::string old = bigFile("OLD"), a = bigFile("A"), b = bigFile("B");
    ASSERT_EQ(replaceFile(target.string(), old), std::nullopt);

    for (int delayMs : {5, 40, 120}) {
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) replaceFile(target.string(), i % 2 ? a : b);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));

        const std::string now = readBack(target);
        EXPECT_TRUE(now == old || now == a || now == b) << "after " << delayMs << " ms: " << now.size() << " bytes";
        SheetFileContent content;
        EXPECT_EQ(readSheetFile(now, content), std::nullopt);
        // The half-written version had no name: nothing of it is left.
        EXPECT_EQ(namesIn(dir), std::vector<std::string>{"work.ksk"}) << "after " << delayMs << " ms";
    }
    fs::remove_all(dir);
}

TEST(FileStore, AFailedSaveReportsAndKeepsTheOldFile)
{
    const fs::path dir = freshFolder("fail");
    // The target is a folder: nothing can replace it.
    fs::create_directories(dir / "taken.ksk");
    auto reason = replaceFile((dir / "taken.ksk").string(), "x");
    ASSERT_TRUE(reason.has_value());
    EXPECT_NE(reason->find("taken.ksk"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(dir / "taken.ksk"));
    // A folder that does not exist.
    EXPECT_TRUE(replaceFile((dir / "missing" / "a.ksk").string(), "x").has_value());
    // Nothing but the folder is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1);

    // A file far larger than any sheet is refused without reading it.
    const fs::path huge = dir / "huge.ksk";
    { std::ofstream(huge).put('1'); }
    fs::resize_file(huge, kMaxReadBytes + 1);
    std::string bytes;
    EXPECT_TRUE(readWholeFile(huge.string(), bytes).has_value());
    EXPECT_TRUE(bytes.empty());
    fs::remove(huge);

    // A successful replace swaps the content completely.
    const fs::path target = dir / "a.ksk";
    ASSERT_EQ(replaceFile(target.string(), "first version, longer"), std::nullopt);
    ASSERT_EQ(replaceFile(target.string(), "second"), std::nullopt);
    EXPECT_EQ(readBack(target), "second");
    fs::remove_all(dir);
}

TEST(FileStore, SavingThroughALinkReplacesTheFileItPointsToAndKeepsTheLink)
{
    const fs::path dir = freshFolder("links", {"desk", "real"});
    const fs::path desk = dir / "desk", real = dir / "real";
    std::ofstream(real / "a.ksk") << "old a";
    std::ofstream(real / "b.ksk") << "old b";

    struct Case {
        const char* name;
        std::vector<std::pair<const char*, fs::path>> links;  // link in desk -> where it points
        fs::path target;
    };
    const Case cases[] = {
        {"absolute link", {{"a.ksk", real / "a.ksk"}}, real / "a.ksk"},
        {"chain of relative links", {{"b.ksk", "b2.ksk"}, {"b2.ksk", "../real/b.ksk"}}, real / "b.ksk"},
        {"link to a file not yet saved", {{"new.ksk", "../real/new.ksk"}}, real / "new.ksk"},
    };
    for (const Case& c : cases) {
        for (const auto& [link, to] : c.links) fs::create_symlink(to, desk / link);
        const fs::path saved = desk / c.links.front().first;
        ASSERT_EQ(replaceFile(saved.string(), std::string("new ") + c.name), std::nullopt) << c.name;
        for (const auto& [link, to] : c.links) EXPECT_TRUE(fs::is_symlink(desk / link)) << c.name;
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(c.target))) << c.name;
        EXPECT_EQ(readBack(c.target), std::string("new ") + c.name);
    }
    // No temporary file is left in either folder.
    EXPECT_EQ(namesIn(desk), (std::vector<std::string>{"a.ksk", "b.ksk", "b2.ksk", "new.ksk"}));
    EXPECT_EQ(namesIn(real), (std::vector<std::string>{"a.ksk", "b.ksk", "new.ksk"}));

    // Links that lead round in a circle cannot be saved through.
    fs::create_symlink("loop2.ksk", desk / "loop1.ksk");
    fs::create_symlink("loop1.ksk", desk / "loop2.ksk");
    EXPECT_TRUE(replaceFile((desk / "loop1.ksk").string(), "x").has_value());
    EXPECT_TRUE(fs::is_symlink(desk / "loop1.ksk"));
    fs::remove_all(dir);
}

TEST(FileStore, NoTemporaryFileBesideTheTargetMeansNoSave)
{
    // The target itself may be written, but its folder takes no new file: the
    // save is refused rather than done in place, also through a link whose
    // own folder would take one.
    const fs::path dir = freshFolder("locked", {"desk", "locked"});
    const fs::path desk = dir / "desk", locked = dir / "locked";
    std::ofstream(locked / "work.ksk") << "the only copy";
    fs::permissions(locked / "work.ksk", fs::perms::all);
    fs::permissions(desk, fs::perms::all);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    fs::create_symlink(locked / "work.ksk", desk / "work.ksk");

    for (const fs::path& saved : {locked / "work.ksk", desk / "work.ksk"}) {
        int code = unprivileged([&] {
            auto reason = replaceFile(saved.string(), "half a new version");
            return reason && reason->find("work.ksk") != std::string::npos ? 0 : 1;
        });
        EXPECT_EQ(code, 0) << saved;
        EXPECT_EQ(readBack(locked / "work.ksk"), "the only copy") << saved;
    }
    EXPECT_TRUE(fs::is_symlink(desk / "work.ksk"));
    EXPECT_EQ(namesIn(desk), std::vector<std::string>{"work.ksk"});
    fs::permissions(locked, fs::perms::owner_all);
    fs::remove_all(dir);
}
