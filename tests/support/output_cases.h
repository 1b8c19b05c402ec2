// The output paths a careless or unlucky user gives a command that writes a
// file, each with the reason its message must give: shared by the tests of
// the command line, the window's core commands and the window's PDF export.
#pragma once

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <string>

namespace tolvane::testing {

namespace fs = std::filesystem;

inline void put(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

inline std::set<std::string> namesIn(const fs::path& dir)
{
    std::set<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error))
        names.insert(it->path().filename().string());
    return names;
}

// A small file system of our own, for a full disk and a read-only one.
struct SmallDisk {
    fs::path at;
    bool mounted = false;
    explicit SmallDisk(const fs::path& where) : at(where)
    {
        fs::create_directories(at);
        mounted = ::mount("tmpfs", at.c_str(), "tmpfs", 0, "size=256k") == 0;
    }
    ~SmallDisk()
    {
        if (mounted) ::umount2(at.c_str(), MNT_DETACH);
    }
};

struct OutputCase {
    const char* name;
    const char* reason;  // what the message must say
    // Makes the case under `dir` and returns the output path ("" when the
    // case cannot be made here); may leave an earlier file at that path.
    std::function<fs::path(const fs::path& dir, const std::string& ext, std::unique_ptr<SmallDisk>& disk)> setup;
    bool unprivileged = false;
};

inline const OutputCase kOutputCases[] = {
    {"folder missing", "フォルダーがありません",
     [](const fs::path& dir, const std::string& ext, auto&) { return dir / "missing" / ("out" + ext); }},
    {"a file where a folder belongs", "途中のフォルダーがフォルダーではありません",
     [](const fs::path& dir, const std::string& ext, auto&) {
         put(dir / "plan", "a file");
         return dir / "plan" / ("out" + ext);
     }},
    {"a folder by that name", "フォルダーで、ファイルではありません",
     [](const fs::path& dir, const std::string& ext, auto&) {
         fs::create_directory(dir / ("out" + ext));
         return dir / ("out" + ext);
     }},
    {"a named pipe by that name", "名前付きパイプで、ファイルではありません",
     [](const fs::path& dir, const std::string& ext, auto&) {
         ::mkfifo((dir / ("out" + ext)).c_str(), 0644);
         return dir / ("out" + ext);
     }},
    {"a device by that name", "デバイスで、ファイルではありません",
     [](const fs::path& dir, const std::string& ext, auto&) {
         // The system's null device, made under the test's folder (root only).
         const fs::path p = dir / ("out" + ext);
         return ::mknod(p.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0 ? p : fs::path();
     }},
    {"a name longer than the system allows", "名前が長すぎます",
     [](const fs::path& dir, const std::string& ext, auto&) { return dir / (std::string(256, 'a') + ext); }},
    {"a folder without write permission", "アクセスする権限がありません",
     [](const fs::path& dir, const std::string& ext, auto&) {
         fs::create_directory(dir / "locked");
         put(dir / "locked" / ("out" + ext), "earlier");
         fs::permissions(dir / "locked", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                             fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
         return dir / "locked" / ("out" + ext);
     },
     true},
    {"a full disk", "ディスクの空きが足りません",
     [](const fs::path& dir, const std::string& ext, std::unique_ptr<SmallDisk>& disk) {
         disk = std::make_unique<SmallDisk>(dir / "disk");
         if (!disk->mounted) return fs::path();
         const fs::path out = disk->at / ("out" + ext);
         put(out, "earlier");
         std::ofstream filler(disk->at / "filler", std::ios::binary);
         const std::string block(4096, 'x');
         while (filler.write(block.data(), block.size())) {
         }
         return out;
     }},
    {"a read-only file system", "読み取り専用のファイルシステムです",
     [](const fs::path& dir, const std::string& ext, std::unique_ptr<SmallDisk>& disk) {
         disk = std::make_unique<SmallDisk>(dir / "disk");
         if (!disk->mounted) return fs::path();
         const fs::path out = disk->at / ("out" + ext);
         put(out, "earlier");
         if (::mount(nullptr, disk->at.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) return fs::path();
         return out;
     }},
};

}  // namespace tolvane::testing
