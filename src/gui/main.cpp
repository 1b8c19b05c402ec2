// Tolvane: main feeders of a building, their voltage drops and checks, and the
// calculation document.
#include <QApplication>
#include <QFont>
#include <QScreen>

#include <memory>

#include "app/forms.h"
#include "gui/auto_recovery.h"
#include "gui/drive_channel.h"
#include "gui/main_window.h"
#include "gui/screenshot_tour.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QString::fromUtf8("Tolvane"));
    QFont::insertSubstitution(QString::fromUtf8("ＭＳ 明朝"), "IPAMincho");
    QFont::insertSubstitution("Tahoma", "IPAGothic");

    QStringList arguments = app.arguments();
    QString screenshotDir;
    if (arguments.size() > 2 && arguments[1] == "--screenshots") {
        screenshotDir = arguments[2];
        arguments.remove(1, 2);
    }
    const bool drive = arguments.size() > 1 && arguments[1] == "--drive";
    if (drive) arguments.remove(1);
    std::vector<std::string> args;
    for (int i = 1; i < arguments.size(); ++i) args.push_back(arguments[i].toStdString());

    // The windows are created once and live for the whole run.
    auto forms = std::make_unique<tolvane::Forms>();
    tolvane::gui::MainWindow window(*forms);
    std::unique_ptr<tolvane::gui::DriveChannel> channel;
    if (drive) channel = std::make_unique<tolvane::gui::DriveChannel>(window);
    QSize screen = app.primaryScreen() ? app.primaryScreen()->size() : QSize(1600, 900);
    tolvane::WindowSize size = forms->form1.FormCreate(QApplication::applicationFilePath().toStdString(), args,
                                                       screen.width(), screen.height());
    window.resize(size.width, size.height);
    window.afterLoad();
    window.show();
    if (!screenshotDir.isEmpty()) {
        tolvane::gui::runScreenshotTour(window, screenshotDir);
        return 0;
    }
    window.startRecovery(tolvane::gui::AutoRecovery::defaultFolder(),
                         tolvane::gui::AutoRecovery::intervalFromEnvironment());
    if (channel) channel->start();
    return app.exec();
}
