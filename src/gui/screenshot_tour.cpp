#include "gui/screenshot_tour.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPixmap>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>

#include <functional>

#include "app/sheet_sizing.h"
#include "app/forms.h"
#include "app/tform1.h"
#include "gui/dialogs/dialog_tour.h"
#include "gui/dialogs/short_circuit_dialog.h"
#include "gui/export_dialog.h"
#include "gui/main_window.h"
#include "gui/progress_panel.h"
#include "gui/qt_host.h"
#include "gui/sizing_preview_dialog.h"

namespace tolvane::gui {

void runScreenshotTour(MainWindow& window, const QString& directory)
{
    QDir().mkpath(directory);
    auto save = [&](QWidget* widget, const char* name) {
        settle(150);
        widget->grab().save(QDir(directory).filePath(QString::fromUtf8(name) + ".png"));
    };
    TForm1& form = window.form();

    save(&window, "main_window");

    // The narrowest the window goes: the title strip still whole.
    const QSize size = window.size();
    window.resize(window.minimumWidth(), size.height());
    save(&window, "main_window_minimum_width");
    window.resize(size);

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

    SizingPreview sizing(window.forms(), feedersToSize(form, true));
    sizing.FormShow();
    SizingPreviewDialog preview(&window, sizing, nullptr);
    preview.show();
    save(&preview, "sizing_preview");
    preview.close();

    // The short-circuit window over the sheet it computes.
    TForm7& shortCircuit = window.forms().form7;
    shortCircuit.host = &window.host();
    shortCircuit.FormShow();
    ShortCircuitDialog shortCircuitDialog(&window, window.host(), shortCircuit);
    shortCircuitDialog.show();
    save(&shortCircuitDialog, "short_circuit_window");
    shortCircuitDialog.close();

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

    // The standard dialogs, in Japanese: a notice, a question, the file
    // dialog. Each is modal: its picture is taken from inside its own loop.
    auto saveModal = [&](const char* name, const std::function<void()>& open) {
        QTimer::singleShot(400, [&directory, name] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                dialog->grab().save(QDir(directory).filePath(QString::fromUtf8(name) + ".png"));
                dialog->reject();
            }
        });
        open();
    };
    QtHost& host = window.host();
    saveModal("message_box", [&] { host.informYes("電線・ケーブルを選択してください"); });
    saveModal("question", [&] { host.ask("保存されていない変更があります。全削除してよろしいですか？"); });
    saveModal("unsaved_work_question", [&] { host.askUnsavedWork(kUnsavedWorkQuestion); });
    saveModal("file_open_dialog", [&] { host.chooseFile(FileDialog::OpenSheet, ""); });

    // ---- The modal forms in each of their modes ----
    saveDialogScreenshots(&window, directory);
}

}  // namespace tolvane::gui
