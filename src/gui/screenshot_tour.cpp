#include "gui/screenshot_tour.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "app/sheet_sizing.h"
#include "app/tform1.h"
#include "gui/dialogs/dialog_tour.h"
#include "gui/export_dialog.h"
#include "gui/main_window.h"
#include "gui/progress_panel.h"
#include "gui/sizing_preview_dialog.h"

namespace tolvane::gui {

namespace {
void settle() { QTest::qWait(150); }
}  // namespace

void runScreenshotTour(MainWindow& window, const QString& directory)
{
    QDir().mkpath(directory);
    auto save = [&](QWidget* widget, const char* name) {
        settle();
        widget->grab().save(QDir(directory).filePath(QString::fromUtf8(name) + ".png"));
    };
    TForm1& form = window.form();

    save(&window, "main_window");

    // Scrolled so that the page line above row 18 is in view.
    window.sheetView()->verticalScrollBar()->setValue(10);
    save(&window, "main_window_page_line");
    window.sheetView()->verticalScrollBar()->setValue(0);

    form.Panel6Visible = true;
    window.refreshFromModel();
    save(&window, "operation_guide");
    form.Panel6Visible = false;

    form.Button19Click();
    window.refreshFromModel();
    save(&window, "settings_panel");
    form.Button26Click();
    window.refreshFromModel();

    // The popup menu of a feeder's row (it opens modally: take its picture
    // from inside its own event loop).
    QTableView* view = window.sheetView();
    form.ny1 = form.uy1 = 0;
    QTimer::singleShot(300, [&] {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            menu->grab().save(QDir(directory).filePath("popup_menu.png"));
            menu->close();
        }
    });
    window.openPopupMenu(view->visualRect(view->model()->index(0, col::Name)).center());

    SizingPreviewDialog preview(&window, window.forms(), feedersToSize(form, true));
    preview.show();
    save(&preview, "sizing_preview");
    preview.close();

    TForm6 exportDialog(&window);
    exportDialog.show();
    save(&exportDialog, "export_dialog");
    exportDialog.close();

    ProgressPanel* panel = window.progressPanel();
    panel->setGeometry(0, 30, window.width(), window.height() - 30);
    panel->setProgress(40, 100);
    panel->show();
    panel->raise();
    save(&window, "progress_panel");
    panel->hide();

    // ---- The modal forms in each of their modes ----
    saveDialogScreenshots(&window, directory);
}

}  // namespace tolvane::gui
