// The main window as the GUI tests start it: created on a 1920 x 1080 screen,
// shown at its usual size and exposed.
#pragma once

#include <QtTest>

#include "app/forms.h"
#include "gui/main_window.h"

namespace tolvane::test {

struct ShownWindow {
    Forms forms;
    gui::MainWindow window{forms};
    ShownWindow()
    {
        forms.form1.FormCreate("/nonexistent/tolvane", {}, 1920, 1080);
        window.resize(1584, 798);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
};

}  // namespace tolvane::test
