// Tolvane: main feeders of a building, their voltage drops and checks, and the
// calculation document.
#include <QApplication>
#include <QFont>
#include <QScreen>

#include "app/tform1.h"
#include "gui/main_window.h"
#include "gui/screenshot_tour.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QFont::insertSubstitution(QString::fromUtf8("ＭＳ 明朝"), "IPAMincho");
    QFont::insertSubstitution("Tahoma", "IPAGothic");

    tolvane::TForm1 form;
    QStringList arguments = app.arguments();
    QString screenshotDir;
    if (arguments.size() > 2 && arguments[1] == "--screenshots") {
        screenshotDir = arguments[2];
        arguments.remove(1, 2);
    }
    std::vector<std::string> args;
    for (int i = 1; i < arguments.size(); ++i) args.push_back(arguments[i].toStdString());
    QSize screen = app.primaryScreen() ? app.primaryScreen()->size() : QSize(1600, 900);
    tolvane::WindowSize size =
        form.FormCreate(QApplication::applicationFilePath().toStdString(), args, screen.width(), screen.height());

    tolvane::gui::MainWindow window(form);
    window.resize(size.width, size.height);
    window.show();
    if (!screenshotDir.isEmpty()) {
        tolvane::gui::runScreenshotTour(window, screenshotDir);
        return 0;
    }
    return app.exec();
}
