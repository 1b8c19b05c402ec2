#include "gui/auto_recovery.h"

#include <QGuiApplication>
#include <QDir>
#include <QStandardPaths>

#include <cstdlib>

namespace tolvane::gui {

AutoRecovery::AutoRecovery(TForm1& form, const std::string& folder, std::chrono::milliseconds interval,
                           QObject* parent)
    : QObject(parent), keeper_(form, folder, interval)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { fire(); });
    // Logging out: the latest work goes into the copy before the session ends.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this,
                [this] { keeper_.writeNow(RecoveryKeeper::Clock::now()); });
}

std::string AutoRecovery::defaultFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir(data).filePath("recovery").toStdString();
}

std::chrono::milliseconds AutoRecovery::intervalFromEnvironment()
{
    return recoveryInterval(std::getenv("TOLVANE_RECOVERY_INTERVAL"));
}

bool AutoRecovery::offerOrphans()
{
    const bool restored = keeper_.offerOrphans();
    arm();
    return restored;
}

void AutoRecovery::documentChanged()
{
    keeper_.documentChanged(RecoveryKeeper::Clock::now());
    arm();
}

void AutoRecovery::arm()
{
    const auto due = keeper_.due();
    if (!due) {
        timer_.stop();
        return;
    }
    const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(*due - RecoveryKeeper::Clock::now());
    timer_.start(std::max(wait, std::chrono::milliseconds(0)));
}

void AutoRecovery::fire()
{
    // Also while an entry form or a message box is open: the copy only reads
    // the work, and what is in it then is better than the copy before.
    keeper_.writeIfDue(RecoveryKeeper::Clock::now());
    arm();
}

}  // namespace tolvane::gui
