// What the desktop program settles before its window opens: its command
// line, Qt's own dialogs in Japanese, the fonts, the icon and where the
// settings file is kept.
#pragma once

#include <QString>
#include <QStringList>

class QApplication;

namespace tolvane::gui {

struct CommandLine {
    enum Action { Run, Help, Version, Refuse };
    Action action = Run;
    QString file;           // the sheet file to open at start, or empty
    QString screenshotDir;  // --screenshots DIR: save pictures of every window, then end
    bool drive = false;     // --drive: commands from the standard input (the crash tests)
    QString error;          // for Refuse: what is wrong, naming the argument
};

// Reads the arguments after the program's name (Qt's own options already
// taken out). --help / -h and --version win over anything else; an argument
// that starts with "-" and is no option of the program is refused, never
// taken for a file name; "--" ends the options.
CommandLine readCommandLine(const QStringList& arguments);

// The texts of --help and --version.
QString helpText();
QString versionText();

// Program name, version, desktop-file name and window icon; Qt's own
// dialogs (file, print, message boxes) in Japanese whatever the desktop's
// language, as every text of the program is Japanese; the font stand-ins.
// Returns false when Qt's Japanese translations are not installed.
bool setUpApplication(QApplication& app);

// Where "set.ini" is kept: the user's settings folder
// ($XDG_CONFIG_HOME/tolvane, usually ~/.config/tolvane), created when
// missing; ends with "/".
QString settingsFolder();

}  // namespace tolvane::gui
