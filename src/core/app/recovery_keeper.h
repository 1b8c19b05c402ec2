// Work that survives a crash: while the main window holds unsaved changes,
// a copy of the work is kept in the recovery folder, written shortly after
// each change (a burst of changes gives one write) and never later than one
// interval after the first unsaved change. Saving, discarding and a clean exit
// remove it. At the next start the copies of windows that are no longer
// running are offered back.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "app/recovery_store.h"

namespace tolvane {

class TForm1;

inline constexpr const char* kRecoveryQuestion = "前回保存されなかった作業があります。復元しますか？";
// Told after the copies were kept aside, followed by the folder.
inline constexpr const char* kKeptAsideMessage = "復元しなかった作業は「開く」で開けるように次のフォルダーに残しました: ";

// The sheet-file bytes of the window's work, as saving would write them;
// the window itself is left as it is.
std::string recoveryBytes(const TForm1& form);

// Loads a recovery copy into the window as unsaved changes of the file it
// belongs to. Returns the reason when it cannot be loaded (nothing changed).
std::optional<std::string> restoreRecoveredWork(TForm1& form, const RecoveryCopy& copy);

// The longest time between the first unsaved change and its copy: 60 s, or
// the seconds of TOLVANE_RECOVERY_INTERVAL (`setting`) when that is a
// shorter positive number.
std::chrono::milliseconds recoveryInterval(const char* setting);

class RecoveryKeeper {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kLongestInterval{60000};
    // Quiet time after a change before the copy is written.
    static constexpr std::chrono::milliseconds kSettle{2000};

    RecoveryKeeper(TForm1& form, std::string folder, std::chrono::milliseconds interval = kLongestInterval);
    // A clean exit: the copy goes unless the work is still unsaved.
    ~RecoveryKeeper();

    bool usable() const { return store_.usable(); }
    RecoveryStore& store() { return store_; }

    // At start-up: when copies of windows no longer running exist, asks
    // whether to restore (through the window's host). Yes loads the newest
    // into the window and makes it this window's copy; the others stay to be
    // offered at the next start. No keeps every one aside. True when work was
    // restored.
    bool offerOrphans();

    // After a command or an edit of the title block.
    void documentChanged(Clock::time_point now);
    // When the next copy is due; nothing when no change waits.
    std::optional<Clock::time_point> due() const;
    // Writes the copy when one is due at `now`.
    void writeIfDue(Clock::time_point now);
    // Writes the copy of unsaved work at once (the session is ending).
    void writeNow(Clock::time_point now);
    // The user let the unsaved changes go.
    void discard();

    // Told before every write of the copy (false) and after each one that
    // succeeded (true).
    std::function<void(bool finished)> onWrite;

private:
    void write(Clock::time_point now);

    TForm1& form_;
    RecoveryStore store_;
    std::chrono::milliseconds interval_;
    std::chrono::milliseconds settle_;
    bool pending_ = false;
    Clock::time_point firstChange_{};
    Clock::time_point lastChange_{};
    std::optional<Clock::time_point> retryAt_;
    bool discarded_ = false;
};

}  // namespace tolvane
