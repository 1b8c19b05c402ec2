// Tolvane: main feeders of a building, their voltage drops and checks, and the
// calculation document.
#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <memory>

#include "app/forms.h"
#include "gui/auto_recovery.h"
#include "gui/drive_channel.h"
#include "gui/main_window.h"
#include "gui/program.h"
#include "gui/screenshot_tour.h"

namespace {
void print(FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }
}  // namespace

int main(int argc, char** argv)
{
    using tolvane::gui::CommandLine;
    // Help and version need no display: answered before the window system starts.
    QStringList raw;
    for (int i = 1; i < argc; ++i) raw << QString::fromLocal8Bit(argv[i]);
    if (CommandLine early = tolvane::gui::readCommandLine(raw); early.action == CommandLine::Help) {
        print(stdout, tolvane::gui::helpText());
        return std::fflush(stdout) == 0 ? 0 : 1;
    } else if (early.action == CommandLine::Version) {
        print(stdout, tolvane::gui::versionText());
        return std::fflush(stdout) == 0 ? 0 : 1;
    }

    QApplication app(argc, argv);  // takes Qt's own options (-platform, -style ...) out
    const CommandLine line = tolvane::gui::readCommandLine(app.arguments().mid(1));
    if (line.action == CommandLine::Refuse) {
        print(stderr, "tolvane: " + line.error + "\n" + tolvane::gui::helpText());
        return 2;
    }
    tolvane::gui::setUpApplication(app);

    // The windows are created once and live for the whole run.
    auto forms = std::make_unique<tolvane::Forms>();
    tolvane::gui::MainWindow window(*forms);
    std::unique_ptr<tolvane::gui::DriveChannel> channel;
    if (line.drive) channel = std::make_unique<tolvane::gui::DriveChannel>(window);
    QSize screen = app.primaryScreen() ? app.primaryScreen()->size() : QSize(1600, 900);
    std::vector<std::string> args;
    if (!line.file.isEmpty()) args.push_back(line.file.toStdString());
    tolvane::WindowSize size = forms->form1.FormCreate(QApplication::applicationFilePath().toStdString(), args,
                                                       screen.width(), screen.height());
    forms->form1.settingsFolder = tolvane::gui::settingsFolder().toStdString();
    window.resize(size.width, size.height);
    window.afterLoad();
    window.show();
    if (!line.screenshotDir.isEmpty()) {
        tolvane::gui::runScreenshotTour(window, line.screenshotDir);
        return 0;
    }
    window.startRecovery(tolvane::gui::AutoRecovery::defaultFolder(),
                         tolvane::gui::AutoRecovery::intervalFromEnvironment());
    if (channel) channel->start();
    return app.exec();
}
