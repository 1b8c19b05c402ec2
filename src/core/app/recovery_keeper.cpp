#include "app/recovery_keeper.h"

#include <algorithm>
#include <cmath>

#include "host/host.h"
#include "app/tform1.h"
#include "sheet/file_store.h"
#include "text/numbers.h"

namespace tolvane {

std::string recoveryBytes(const TForm1& form)
{
    // Saving adjusts the sheet it writes (row count, settings cells); the
    // window's own sheet must stay as the user sees it.
    Sheet sheet = form.StringGrid1;
    return form.sheetFileBytes(sheet);
}

std::optional<std::string> restoreRecoveredWork(TForm1& form, const RecoveryCopy& copy)
{
    if (auto reason = form.loadSheetFile(copy.sheetPath)) return reason;
    form.FileName = copy.originalPath;
    form.recoveredFile = copy.originalPath;
    form.modified = true;
    return std::nullopt;
}

std::chrono::milliseconds recoveryInterval(const char* setting)
{
    const auto longest = RecoveryKeeper::kLongestInterval;
    if (!setting) return longest;
    const std::optional<double> seconds = tryParseDecimal(setting);
    if (!seconds || !std::isfinite(*seconds) || *seconds <= 0) return longest;
    const double ms = std::ceil(*seconds * 1000.0);
    if (ms >= static_cast<double>(longest.count())) return longest;
    return std::chrono::milliseconds(static_cast<long long>(ms));
}

RecoveryKeeper::RecoveryKeeper(TForm1& form, std::string folder, std::chrono::milliseconds interval)
    : form_(form), store_(std::move(folder)), interval_(interval), settle_(std::min(kSettle, interval))
{
}

RecoveryKeeper::~RecoveryKeeper()
{
    if (!form_.modified || discarded_) store_.remove();
}

bool RecoveryKeeper::offerOrphans()
{
    std::vector<RecoveryCopy> orphans = store_.claimOrphans();
    if (orphans.empty()) return false;
    Host* host = form_.host;
    if (!host || !host->ask(kRecoveryQuestion)) {
        bool kept = false;
        for (const RecoveryCopy& copy : orphans) {
            if (store_.keepAside(copy))
                kept = true;
            else
                store_.releaseOrphan(copy);
        }
        if (kept && host) host->inform(kKeptAsideMessage + store_.folder());
        return false;
    }

    const RecoveryCopy newest = orphans.front();
    for (std::size_t i = 1; i < orphans.size(); ++i) store_.releaseOrphan(orphans[i]);
    if (auto reason = restoreRecoveredWork(form_, newest)) {
        if (!store_.keepAside(newest)) store_.releaseOrphan(newest);
        host->warn(kLoadFailedMessage + *reason);
        return false;
    }
    // The work is this window's now: its own copy first, then the old one goes.
    write(Clock::now());
    if (pending_)
        store_.releaseOrphan(newest);
    else
        store_.dropOrphan(newest);
    return true;
}

void RecoveryKeeper::documentChanged(Clock::time_point now)
{
    if (!form_.modified) {
        // Saved, or replaced by a file: nothing is left to recover.
        pending_ = false;
        retryAt_.reset();
        store_.remove();
        return;
    }
    if (!pending_) firstChange_ = now;
    pending_ = true;
    lastChange_ = now;
}

std::optional<RecoveryKeeper::Clock::time_point> RecoveryKeeper::due() const
{
    if (!pending_) return std::nullopt;
    Clock::time_point at = std::min(lastChange_ + settle_, firstChange_ + interval_);
    if (retryAt_) at = std::max(at, *retryAt_);
    return at;
}

void RecoveryKeeper::writeIfDue(Clock::time_point now)
{
    if (auto at = due(); at && now >= *at) write(now);
}

void RecoveryKeeper::writeNow(Clock::time_point now)
{
    if (form_.modified && !discarded_) write(now);
}

void RecoveryKeeper::discard()
{
    discarded_ = true;
    pending_ = false;
    store_.remove();
}

void RecoveryKeeper::write(Clock::time_point now)
{
    if (!store_.usable()) {
        pending_ = false;
        return;
    }
    if (onWrite) onWrite(false);
    if (store_.write(recoveryBytes(form_), form_.FileName)) {
        // Tried again one interval later; the work itself is untouched.
        pending_ = true;
        retryAt_ = now + interval_;
        return;
    }
    pending_ = false;
    retryAt_.reset();
    if (onWrite) onWrite(true);
}

}  // namespace tolvane
