// The main window's recovery copy on the event loop: a timer writes the copy
// when the core's keeper says it is due, and the session manager's request to
// save writes it at once. The copies live in the user's data folder.
#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>
#include <string>

#include "app/recovery_keeper.h"

namespace tolvane {
class TForm1;
}

namespace tolvane::gui {

class AutoRecovery : public QObject {
    Q_OBJECT
public:
    AutoRecovery(TForm1& form, const std::string& folder, std::chrono::milliseconds interval,
                 QObject* parent = nullptr);

    // The recovery folder in the user's data folder ($XDG_DATA_HOME when set).
    static std::string defaultFolder();
    // The interval, shortened by TOLVANE_RECOVERY_INTERVAL (seconds).
    static std::chrono::milliseconds intervalFromEnvironment();

    RecoveryKeeper& keeper() { return keeper_; }

    // Offers the copies of windows that are no longer running; true when work
    // was restored into the window.
    bool offerOrphans();
    // After a command or an edit of the title block.
    void documentChanged();
    // The user let the unsaved changes go.
    void discard() { keeper_.discard(); }

private:
    void arm();
    void fire();

    RecoveryKeeper keeper_;
    QTimer timer_;
};

}  // namespace tolvane::gui
