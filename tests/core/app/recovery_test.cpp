#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "app/recovery_keeper.h"
#include "app/recovery_store.h"
#include "app/tform1.h"
#include "sheet/file_store.h"
#include "support/started_window.h"
#include "support/test_files.h"

using namespace tolvane;
using namespace std::chrono_literals;
using tolvane::testing::bytesOf;
using tolvane::testing::ScratchFolder;
namespace fs = std::filesystem;

namespace {

std::set<std::string> namesIn(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

// A window that writes a copy of `bytes` for `original` and then is killed,
// leaving the copy as a crash leaves it. Runs in a child process.
void windowKilledAfterCopy(const fs::path& folder, const std::string& bytes, const std::string& original)
{
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        RecoveryStore store(folder.string());
        store.write(bytes, original);
        ::raise(SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
}

using Window = tolvane::testing::StartedWindow;

// The bytes of a saved sheet whose building name is `building`.
std::string workNamed(const std::string& building)
{
    Window w;
    w.Edit1 = building;
    w.StringGrid1.setCell(col::Mark, 2, "──▶");
    w.StringGrid1.setCell(col::No, 2, "1");
    return recoveryBytes(w);
}

}  // namespace

TEST(RecoveryStore, ACopyIsOfferedOnlyOnceItsWindowHasStoppedAndToOneWindowAtATime)
{
    const ScratchFolder folder("orphans");
    RecoveryStore running(folder.string());
    ASSERT_TRUE(running.usable());
    ASSERT_FALSE(running.write(workNamed("running"), "/jobs/running.ksk"));

    RecoveryStore second(folder.string());
    EXPECT_TRUE(second.claimOrphans().empty()) << "a running window's copy is never taken";

    windowKilledAfterCopy(folder, workNamed("killed"), "/jobs/ビル.ksk");
    std::vector<RecoveryCopy> copies = second.claimOrphans();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].originalPath, "/jobs/ビル.ksk");
    EXPECT_EQ(bytesOf(copies[0].sheetPath), workNamed("killed"));

    RecoveryStore third(folder.string());
    EXPECT_TRUE(third.claimOrphans().empty()) << "a copy being restored by another window is not offered";
    second.releaseOrphan(copies[0]);
    EXPECT_EQ(third.claimOrphans().size(), 1u) << "a copy let go is offered to the next window";
}

TEST(RecoveryStore, AKeptAsideCopyGetsANameOfItsOwnAndIsNotOfferedAgain)
{
    const ScratchFolder folder("aside");
    const std::string work = workNamed("aside");
    windowKilledAfterCopy(folder, work, "/jobs/A棟.ksk");
    windowKilledAfterCopy(folder, work, "/jobs/A棟.ksk");
    // Both written in the same minute.
    const auto when = fs::file_time_type::clock::now();
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".ksk") fs::last_write_time(entry.path(), when);

    RecoveryStore store(folder.string());
    std::vector<RecoveryCopy> copies = store.claimOrphans();
    ASSERT_EQ(copies.size(), 2u);
    std::set<std::string> kept;
    for (const RecoveryCopy& copy : copies) {
        std::optional<std::string> path = store.keepAside(copy);
        ASSERT_TRUE(path);
        EXPECT_EQ(bytesOf(*path), work);
        kept.insert(fs::path(*path).filename().string());
    }
    // The second of the same name gets a number.
    const std::string name = keptAsideName("/jobs/A棟.ksk", copies[0].writtenAt);
    EXPECT_TRUE(name.starts_with("A棟（復元 ")) << name;
    EXPECT_TRUE(kept.contains(name));
    EXPECT_TRUE(kept.contains(fs::path(name).stem().string() + " (2).ksk"));

    RecoveryStore later(folder.string());
    EXPECT_TRUE(later.claimOrphans().empty());
    // Only the two kept copies and the running windows' locks are left.
    std::set<std::string> left = namesIn(folder);
    std::erase_if(left, [](const std::string& n) { return n.ends_with(".lock"); });
    EXPECT_EQ(left, kept);
    EXPECT_EQ(keptAsideName("", 0).substr(0, 6), "無題");
}

TEST(RecoveryStore, LeftoversOfAWindowWithoutACopyAreCleared)
{
    const ScratchFolder folder("leftovers");
    // A window killed in the middle of its first write: its lock, its path
    // and the unfinished temporary file, but no copy.
    const std::string id = "00000000deadbeef";
    for (const char* name : {"window-00000000deadbeef.lock", "window-00000000deadbeef.path",
                             ".window-00000000deadbeef.ksk.Ab12Cd"})
        std::ofstream(folder / name) << "x";
    std::ofstream(folder / "A棟（復元 2026-12-09 15-30）.ksk") << "kept";

    RecoveryStore store(folder.string());
    EXPECT_TRUE(store.claimOrphans().empty());
    std::set<std::string> left = namesIn(folder);
    EXPECT_EQ(left, (std::set<std::string>{"A棟（復元 2026-12-09 15-30）.ksk", "window-" + store.id() + ".lock"}));
}

TEST(RecoveryKeeper, WritesShortlyAfterAChangeAndNoLaterThanOneIntervalAfterTheFirst)
{
    const ScratchFolder folder("schedule");
    Window w;
    RecoveryKeeper keeper(w, folder.string(), 10s);
    const auto t0 = RecoveryKeeper::Clock::time_point{} + 1h;

    keeper.documentChanged(t0);
    EXPECT_FALSE(keeper.due()) << "nothing unsaved yet";

    w.modified = true;
    keeper.documentChanged(t0);
    EXPECT_EQ(keeper.due(), t0 + RecoveryKeeper::kSettle);
    // Typing on without a pause: the settle time moves, the interval does not.
    for (int s = 1; s <= 12; ++s) keeper.documentChanged(t0 + std::chrono::seconds(s));
    EXPECT_EQ(keeper.due(), t0 + 10s);
    keeper.writeIfDue(t0 + 9s);
    EXPECT_FALSE(fs::exists(keeper.store().copyPath()));
    keeper.writeIfDue(t0 + 10s);
    EXPECT_EQ(bytesOf(keeper.store().copyPath()), recoveryBytes(w));
    EXPECT_FALSE(keeper.due());

    // Saved: the copy goes.
    w.modified = false;
    keeper.documentChanged(t0 + 20s);
    EXPECT_FALSE(fs::exists(keeper.store().copyPath()));
    EXPECT_FALSE(keeper.due());
}

TEST(RecoveryKeeper, TheCopyLeavesTheWindowAsItIs)
{
    Window w;
    w.StringGrid1.setCell(col::Mark, 0, "──▶");
    w.RadioButton6Click();
    const Sheet before = w.StringGrid1;
    const std::string bytes = recoveryBytes(w);
    EXPECT_EQ(w.StringGrid1, before) << "row count and settings cells untouched";
    Sheet saved = w.StringGrid1;
    EXPECT_EQ(bytes, w.sheetFileBytes(saved));
}

TEST(RecoveryKeeper, ACleanExitRemovesTheCopyUnlessTheWorkIsStillUnsaved)
{
    struct Case {
        const char* what;
        bool modifiedAtExit;
        bool discarded;
        bool copyStays;
    };
    const Case cases[] = {
        {"saved before closing", false, false, false},
        {"changes discarded by the user", true, true, false},
        {"unsaved work when the session ends", true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ScratchFolder folder("exit");
        std::string copy;
        {
            Window w;
            RecoveryKeeper keeper(w, folder.string());
            w.modified = true;
            keeper.writeNow(RecoveryKeeper::Clock::now());
            copy = keeper.store().copyPath();
            ASSERT_TRUE(fs::exists(copy));
            w.modified = c.modifiedAtExit;
            if (c.discarded) keeper.discard();
        }
        EXPECT_EQ(fs::exists(copy), c.copyStays);
        EXPECT_FALSE(fs::exists(fs::path(copy).replace_extension(".lock")));
    }
}

TEST(RecoveryKeeper, YesRestoresTheNewestCopyAsUnsavedChangesOfItsFile)
{
    const ScratchFolder folder("restore");
    windowKilledAfterCopy(folder, workNamed("older"), "/jobs/older.ksk");
    ::sleep(1);  // copies are told apart by the second they were written
    windowKilledAfterCopy(folder, workNamed("本館"), "/jobs/本館.ksk");

    Window w;
    w.messages.answers = {true};
    RecoveryKeeper keeper(w, folder.string());
    ASSERT_TRUE(keeper.offerOrphans());
    EXPECT_EQ(w.messages.asked, std::vector<std::string>{kRecoveryQuestion});
    EXPECT_EQ(w.Edit1, "本館");
    EXPECT_EQ(w.StringGrid1.cell(col::Mark, 2), "──▶");
    EXPECT_EQ(w.FileName, "/jobs/本館.ksk");
    EXPECT_TRUE(w.modified);
    // The restored work is this window's copy now; the older one waits.
    EXPECT_EQ(bytesOf(keeper.store().copyPath()), recoveryBytes(w));
    std::string original;
    ASSERT_FALSE(readWholeFile(folder / ("window-" + keeper.store().id() + ".path"), original));
    EXPECT_EQ(original, "/jobs/本館.ksk");

    // "保存" asks where, proposing the original file.
    w.messages.files = {std::nullopt};
    w.Button2Click();
    EXPECT_EQ(w.messages.proposedNames, std::vector<std::string>{"/jobs/本館.ksk"});

    RecoveryStore next(folder.string());
    std::vector<RecoveryCopy> left = next.claimOrphans();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].originalPath, "/jobs/older.ksk");
}

TEST(RecoveryKeeper, NoKeepsEveryCopyAsideAndSaysWhere)
{
    const ScratchFolder folder("refuse");
    windowKilledAfterCopy(folder, workNamed("one"), "");
    windowKilledAfterCopy(folder, workNamed("two"), "/jobs/two.ksk");

    Window w;
    w.messages.answers = {false};
    RecoveryKeeper keeper(w, folder.string());
    EXPECT_FALSE(keeper.offerOrphans());
    EXPECT_EQ(w.Edit1, "");
    EXPECT_FALSE(w.modified);
    ASSERT_EQ(w.messages.informed.size(), 1u);
    EXPECT_EQ(w.messages.informed[0], kKeptAsideMessage + folder.string());
    int kept = 0;
    for (const std::string& name : namesIn(folder)) kept += name.ends_with(".ksk") ? 1 : 0;
    EXPECT_EQ(kept, 2) << "never deleted";

    Window again;
    RecoveryKeeper later(again, folder.string());
    EXPECT_FALSE(later.offerOrphans());
    EXPECT_TRUE(again.messages.asked.empty()) << "copies kept aside are not offered again";
}

TEST(RecoveryKeeper, ACopyThatCannotBeLoadedIsKeptAsideWithTheReason)
{
    const ScratchFolder folder("broken");
    windowKilledAfterCopy(folder, "not a sheet file", "/jobs/x.ksk");
    Window w;
    w.messages.answers = {true};
    RecoveryKeeper keeper(w, folder.string());
    EXPECT_FALSE(keeper.offerOrphans());
    ASSERT_EQ(w.messages.warned.size(), 1u);
    EXPECT_TRUE(w.messages.warned[0].starts_with(kLoadFailedMessage));
    EXPECT_FALSE(w.modified);
    int kept = 0;
    for (const std::string& name : namesIn(folder))
        if (name.starts_with("x（復元 ")) kept += bytesOf(folder / name) == "not a sheet file" ? 1 : 0;
    EXPECT_EQ(kept, 1);
}

TEST(RecoveryKeeper, IntervalFromTheEnvironment)
{
    const std::pair<const char*, std::chrono::milliseconds> cases[] = {
        {nullptr, 60s}, {"5", 5s}, {"0.25", 250ms}, {"0", 60s}, {"-1", 60s}, {"abc", 60s}, {"120", 60s}, {"", 60s},
    };
    for (const auto& [setting, expected] : cases)
        EXPECT_EQ(recoveryInterval(setting), expected) << (setting ? setting : "(unset)");
}
