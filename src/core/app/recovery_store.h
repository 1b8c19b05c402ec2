// The recovery folder: one slot per running window, in which the window keeps
// a copy of its unsaved work (a sheet file) and the path of the file it
// edits. A slot belongs to its window for as long as the window runs: the
// window holds the slot's lock file locked (flock), and the system lets go of
// the lock however the program ends, so a copy whose lock can be taken is
// the work of a window that is no longer running.
//
//   window-<id>.lock   held by the running window
//   window-<id>.ksk    the copy of its unsaved work
//   window-<id>.path   the path of the file being edited (empty: never saved)
//
// Copies the user chose not to restore are renamed to a name of their own in
// the same folder ("<file>（復元 2026-12-09 15-30）.ksk") and are no longer
// offered; they can be opened like any sheet file.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tolvane {

// A lock file held with flock(2) while this object lives.
class SlotLock {
public:
    SlotLock() = default;
    SlotLock(SlotLock&& other) noexcept;
    SlotLock& operator=(SlotLock&& other) noexcept;
    SlotLock(const SlotLock&) = delete;
    SlotLock& operator=(const SlotLock&) = delete;
    ~SlotLock();

    // Takes the lock of the file at `path`, creating the file when it is
    // missing (with `fresh`, only a file that did not exist is taken).
    // Nothing when another holder has it.
    static std::optional<SlotLock> take(const std::string& path, bool fresh = false);

    // Removes the lock file, then lets the lock go.
    void removeFile();

private:
    int fd_ = -1;
    std::string path_;
};

// The copy of a window that is no longer running.
struct RecoveryCopy {
    std::string id;
    std::string sheetPath;     // the copy, a sheet file
    std::string originalPath;  // the file that was being edited; empty when never saved
    std::int64_t writtenAt = 0;  // when the copy was written, seconds since 1970 (UTC)
};

class RecoveryStore {
public:
    // Takes a new slot in `folder`, creating the folder when it is missing.
    explicit RecoveryStore(std::string folder);
    // Lets the slot go. A copy still there stays for the next start.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // False when the folder cannot be used; then nothing is written.
    bool usable() const { return slot_.has_value(); }
    const std::string& folder() const { return folder_; }
    const std::string& id() const { return id_; }
    std::string copyPath() const;
    bool hasCopy() const;

    // Replaces this window's copy (each file written atomically).
    std::optional<std::string> write(const std::string& sheetBytes, const std::string& originalPath);
    // Removes this window's copy.
    void remove();

    // The copies of windows that are no longer running, newest first. Each is
    // held by this store (no other window can take it) until it is dropped,
    // kept aside or released. Leftovers of such windows without a copy
    // (an unfinished write, a lock file) are cleared on the way.
    std::vector<RecoveryCopy> claimOrphans();
    // The orphan's work now lives in this window: its files are removed.
    void dropOrphan(const RecoveryCopy& copy);
    // Renames the orphan's copy to a name of its own in the folder, so that
    // it is no longer offered; returns the new path.
    std::optional<std::string> keepAside(const RecoveryCopy& copy);
    // Leaves the orphan as it is, to be offered at the next start.
    void releaseOrphan(const RecoveryCopy& copy);

private:
    std::string slotPath(const std::string& id, const char* extension) const;
    // Temporary files of writes that never finished.
    void removeUnfinished(const std::string& id) const;
    void removeLeftovers(const std::string& id) const;

    std::string folder_;
    std::string id_;
    std::optional<SlotLock> slot_;
    std::optional<std::string> writtenOriginal_;  // what this window's path file holds
    std::map<std::string, SlotLock> claimed_;
};

// The name a copy gets when it is kept aside: the edited file's name (or
// "無題") with the time the copy was written, in local time.
std::string keptAsideName(const std::string& originalPath, std::int64_t writtenAt);

}  // namespace tolvane
