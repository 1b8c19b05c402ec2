#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
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
