#include "app/recovery_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <random>
#include <set>
#include <system_error>

#include "sheet/file_store.h"

namespace tolvane {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "window-";

// The slot id in a file name of the folder: "window-<id>.<ext>", or
// ".window-<id>.<ext>.XXXXXX" for a write that never finished.
std::optional<std::string> slotIdOf(std::string_view name)
{
    if (!name.empty() && name.front() == '.') name.remove_prefix(1);
    if (!name.starts_with(kPrefix)) return std::nullopt;
    name.remove_prefix(kPrefix.size());
    const std::size_t dot = name.find('.');
    if (dot == 0 || dot == std::string_view::npos) return std::nullopt;
    return std::string(name.substr(0, dot));
}

std::string newSlotId()
{
    std::random_device device;
    std::mt19937_64 random((static_cast<std::uint64_t>(device()) << 32) ^ device() ^
                           static_cast<std::uint64_t>(::getpid()));
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(random()));
    return text;
}

std::int64_t modificationTime(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return 0;
    return static_cast<std::int64_t>(info.st_mtime);
}

bool exists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

// Moves `from` to `to` unless `to` exists; false when it does or the move fails.
bool moveWithoutReplacing(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system without the no-replace flag: check first.
    if (exists(to)) {
        errno = EEXIST;
        return false;
    }
    return ::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace

// ------------------------------------------------------------------ SlotLock

SlotLock::SlotLock(SlotLock&& other) noexcept : fd_(other.fd_), path_(std::move(other.path_)) { other.fd_ = -1; }

SlotLock& SlotLock::operator=(SlotLock&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = other.fd_;
        path_ = std::move(other.path_);
        other.fd_ = -1;
    }
    return *this;
}

SlotLock::~SlotLock()
{
    if (fd_ >= 0) ::close(fd_);
}

std::optional<SlotLock> SlotLock::take(const std::string& path, bool fresh)
{
    const int flags = O_RDWR | O_CREAT | O_CLOEXEC | (fresh ? O_EXCL : 0);
    SlotLock lock;
    lock.fd_ = ::open(path.c_str(), flags, 0600);
    if (lock.fd_ < 0) return std::nullopt;
    lock.path_ = path;
    if (::flock(lock.fd_, LOCK_EX | LOCK_NB) != 0) return std::nullopt;
    // The holder before us may have removed the file after we opened it; then
    // the lock we hold is on a file nobody else will look at.
    struct stat held {}, named {};
    if (::fstat(lock.fd_, &held) != 0 || ::stat(path.c_str(), &named) != 0 || held.st_ino != named.st_ino ||
        held.st_dev != named.st_dev)
        return std::nullopt;
    return lock;
}

void SlotLock::removeFile()
{
    if (fd_ < 0) return;
    ::unlink(path_.c_str());
    ::close(fd_);
    fd_ = -1;
}

// ------------------------------------------------------------ RecoveryStore

RecoveryStore::RecoveryStore(std::string folder) : folder_(std::move(folder))
{
    std::error_code error;
    fs::create_directories(folder_, error);
    if (!fs::is_directory(folder_, error)) return;
    for (int attempt = 0; attempt < 8 && !slot_; ++attempt) {
        id_ = newSlotId();
        slot_ = SlotLock::take(slotPath(id_, "lock"), true);
    }
}

RecoveryStore::~RecoveryStore()
{
    claimed_.clear();
    if (slot_) slot_->removeFile();
}

std::string RecoveryStore::slotPath(const std::string& id, const char* extension) const
{
    return (fs::path(folder_) / (std::string(kPrefix) + id + "." + extension)).string();
}

std::string RecoveryStore::copyPath() const { return slotPath(id_, "ksk"); }

bool RecoveryStore::hasCopy() const { return usable() && exists(copyPath()); }

std::optional<std::string> RecoveryStore::write(const std::string& sheetBytes, const std::string& originalPath)
{
    if (!usable()) return "復元用のフォルダーを使えません（" + folder_ + "）";
    // The path first: a copy never stands without the file it belongs to.
    if (writtenOriginal_ != originalPath) {
        if (auto reason = replaceFile(slotPath(id_, "path"), originalPath)) return reason;
        writtenOriginal_ = originalPath;
    }
    return replaceFile(copyPath(), sheetBytes);
}

void RecoveryStore::remove()
{
    if (!usable()) return;
    ::unlink(copyPath().c_str());
    ::unlink(slotPath(id_, "path").c_str());
    writtenOriginal_.reset();
}

void RecoveryStore::removeUnfinished(const std::string& id) const
{
    std::error_code error;
    const std::string unfinished = "." + std::string(kPrefix) + id + ".";
    for (fs::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error))
        if (it->path().filename().string().starts_with(unfinished)) fs::remove(it->path(), error);
}

void RecoveryStore::removeLeftovers(const std::string& id) const
{
    ::unlink(slotPath(id, "ksk").c_str());
    ::unlink(slotPath(id, "path").c_str());
    removeUnfinished(id);
}

std::vector<RecoveryCopy> RecoveryStore::claimOrphans()
{
    std::vector<RecoveryCopy> copies;
    if (!usable()) return copies;
    std::set<std::string> ids;
    std::error_code error;
    for (fs::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error))
        if (auto id = slotIdOf(it->path().filename().string()); id && *id != id_ && !claimed_.contains(*id))
            ids.insert(*id);

    for (const std::string& id : ids) {
        std::optional<SlotLock> lock = SlotLock::take(slotPath(id, "lock"));
        if (!lock) continue;  // its window is running
        const std::string sheet = slotPath(id, "ksk");
        if (!exists(sheet)) {
            // Nothing to offer: a window that ended with its work saved, or
            // one that was stopped before its first copy was complete.
            removeLeftovers(id);
            lock->removeFile();
            continue;
        }
        RecoveryCopy copy{id, sheet, {}, modificationTime(sheet)};
        std::string original;
        if (!readWholeFile(slotPath(id, "path"), original)) copy.originalPath = original;
        // A write that never finished left a temporary file; the copy is whole.
        removeUnfinished(id);
        claimed_.emplace(id, std::move(*lock));
        copies.push_back(std::move(copy));
    }
    std::sort(copies.begin(), copies.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) {
        return a.writtenAt != b.writtenAt ? a.writtenAt > b.writtenAt : a.id < b.id;
    });
    return copies;
}

void RecoveryStore::dropOrphan(const RecoveryCopy& copy)
{
    auto it = claimed_.find(copy.id);
    if (it == claimed_.end()) return;
    removeLeftovers(copy.id);
    it->second.removeFile();
    claimed_.erase(it);
}

std::optional<std::string> RecoveryStore::keepAside(const RecoveryCopy& copy)
{
    auto it = claimed_.find(copy.id);
    if (it == claimed_.end()) return std::nullopt;
    const fs::path name(keptAsideName(copy.originalPath, copy.writtenAt));
    std::optional<std::string> kept;
    for (int n = 1; n < 1000 && !kept; ++n) {
        fs::path candidate = name;
        if (n > 1) candidate = name.stem().string() + " (" + std::to_string(n) + ")" + name.extension().string();
        const std::string target = (fs::path(folder_) / candidate).string();
        if (moveWithoutReplacing(copy.sheetPath, target)) kept = target;
        else if (errno != EEXIST) break;
    }
    if (!kept) return std::nullopt;  // the copy stays where it is, to be offered again
    ::unlink(slotPath(copy.id, "path").c_str());
    it->second.removeFile();
    claimed_.erase(it);
    return kept;
}

void RecoveryStore::releaseOrphan(const RecoveryCopy& copy) { claimed_.erase(copy.id); }

std::string keptAsideName(const std::string& originalPath, std::int64_t writtenAt)
{
    std::string stem = fs::path(originalPath).stem().string();
    if (stem.empty()) stem = "無題";
    const std::time_t time = static_cast<std::time_t>(writtenAt);
    std::tm local{};
    ::localtime_r(&time, &local);
    char when[32];
    std::strftime(when, sizeof when, "%Y-%m-%d %H-%M", &local);
    return stem + "（復元 " + when + "）.ksk";
}

}  // namespace tolvane
