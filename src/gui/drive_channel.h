// `tolvane --drive [FILE]`: the real program, driven line by line from its
// standard input instead of a user, for the tests that kill it at random
// moments. Every box, question and file dialog is answered over the same
// channel; nothing modal opens. One command a line:
//
//   building TEXT          types TEXT into the building-name box
//   insert|delete|copy|paste ROW   the popup menu's item on row ROW (as a
//                          right click there opens it; nothing when the menu
//                          or the item is not offered)
//   save PATH              "保存", answering PATH in the file dialog
//   dump PATH              writes the work as saving would, without saving it
//   title                  prints the window title and the modified mark
//
// The channel opens with "ready HASH"; each command answers "ok N HASH": its
// number and a hash of the work as a sheet file. Questions print "ask: TEXT"
// and read "yes" or "no" (the question about unsaved work "save", "discard"
// or "cancel"); messages print "message: TEXT" or "error: TEXT"; the
// recovery copy prints
// "recovery-writing" and "recovery-written" around each write. The end of
// the input ends the program.
#pragma once

#include <QObject>

#include <deque>
#include <memory>
#include <optional>
#include <string>

class QSocketNotifier;

namespace tolvane::gui {

class MainWindow;

// Lines of the standard input, read as they come or waited for.
class DriveInput {
public:
    // The next whole line; with `wait`, blocks until one comes. Nothing at
    // the end of the input (or without `wait`, when no line is complete).
    std::optional<std::string> line(bool wait);
    bool ended() const { return ended_; }

private:
    bool fill(bool wait);

    std::string buffer_;
    bool ended_ = false;
};

class DriveChannel : public QObject {
    Q_OBJECT
public:
    // Takes over the window's boxes and dialogs.
    explicit DriveChannel(MainWindow& window);
    ~DriveChannel() override;

    // Starts reading commands; reports the recovery copy's writes.
    void start();

private:
    void readCommands();
    void run(const std::string& line);

    MainWindow& window_;
    DriveInput input_;
    std::deque<std::string>* files_ = nullptr;  // answers for the next file dialogs
    std::unique_ptr<QSocketNotifier> notifier_;
    int done_ = 0;
};

}  // namespace tolvane::gui
