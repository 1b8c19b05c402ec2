// The program's one top-level window: top bar with the title block, header
// strip, the sheet, the settings panel and the operation guide. It shows the
// members of the core's TForm1 and forwards clicks to its commands.
#pragma once

#include <QWidget>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/undo_history.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class QFrame;

namespace tolvane {
struct Forms;
class TForm1;
}

namespace tolvane::gui {

class AutoRecovery;
class HeaderStrip;
class ProgressPanel;
class QtHost;
class SheetModel;
class StatusLine;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(Forms& forms, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows every member of the core model again.
    void refreshFromModel();

    QTableView* sheetView() const { return sheetView_; }
    SheetModel* sheetModel() const { return model_; }
    ProgressPanel* progressPanel() const { return progressPanel_; }
    StatusLine* statusLine() const { return statusLine_; }
    TForm1& form() { return form_; }
    Forms& forms() { return forms_; }
    QtHost& host() { return *host_; }
    UndoHistory& undoHistory() { return undo_; }

    // Runs a command of the core that may change the document: recorded for
    // undo, any error shown in the general error box, the window refreshed
    // afterwards.
    void runCommand(const std::function<void()>& command);
    // A command that replaces the document (open): not undoable.
    void runReplacingCommand(const std::function<void()>& command);

    // The document was replaced from outside a command (a file named on the
    // command line): show it, with nothing to undo.
    void afterLoad();

    // Opens the popup menu of the sheet at a point of the sheet's viewport
    // (as a right-button release there does).
    void openPopupMenu(const QPoint& viewportPos);

    // Keeps a recovery copy of unsaved work in `folder` from now on, after
    // offering the copies of windows that are no longer running.
    void startRecovery(const std::string& folder, std::chrono::milliseconds interval);
    AutoRecovery* recovery() const { return recovery_.get(); }

    // Boxes, dialogs and forms go to `host` from now on.
    void useHost(std::unique_ptr<QtHost> host);

    // Below this width the title strip no longer holds its controls.
    int minimumWindowWidth() const;

    // "ケーブル自動選定": the preview of the feeder of the selection's top row or
    // of every feeder; 適用 writes it as one undoable command.
    void sizeCables(bool everyFeeder);
    // "短絡電流計算": the short-circuit window; each of its changes is one
    // undoable command.
    void openShortCircuit();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildTopBar();
    void buildSettingsPanel();
    void buildOperationGuide();
    void applyColumnWidths();
    // Scrolls so that `row` is the top visible row of the sheet.
    void scrollSheetTo(int row);
    QPushButton* addButton(QWidget* parent, const char* name, const char* caption);

    void connectCommands();
    // Runs an action of the window under the one guard: any error is shown
    // in the general error box and the program goes on.
    void guarded(const std::function<void()>& action);
    // "保存" (the dialog) or "上書き保存": a saved sheet is the state undo
    // calls unmodified.
    void save(bool withDialog);
    // Opens the entry form of a row, as a double-click on it does.
    void openRow(int row, int column);
    void undo();
    void redo();
    void afterCommand();
    // A box of the title block was edited: the document changed.
    void titleBlockEdited();
    void updateTitle();
    void copyToClipboard();
    void selectRow(int row);
    void exportWorkbook();
    void printDocument();
    void writePdf();

    Forms& forms_;
    TForm1& form_;
    std::unique_ptr<QtHost> host_;
    UndoHistory undo_;
    std::unique_ptr<AutoRecovery> recovery_;
    bool shownOnce_ = false;

    QFrame* topBar_ = nullptr;
    HeaderStrip* headerStrip_ = nullptr;
    QTableView* sheetView_ = nullptr;
    SheetModel* model_ = nullptr;
    QFrame* settingsPanel_ = nullptr;
    QFrame* guidePanel_ = nullptr;
    QFrame* pointerGuide_ = nullptr;
    ProgressPanel* progressPanel_ = nullptr;
    StatusLine* statusLine_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    // 開く, 上書き保存, 保存, 印刷 with their keys, also in the popup menu.
    std::vector<QAction*> fileActions_;

    QLabel* label66_ = nullptr;   // frequency
    QLineEdit* edit1_ = nullptr;  // building name
    QLabel* label56_ = nullptr;   // era label
    QLineEdit* edit25_ = nullptr;
    QLineEdit* edit26_ = nullptr;
    QLineEdit* edit27_ = nullptr;
    QLineEdit* edit3_ = nullptr;
    QRadioButton* radio_[7] = {};  // RadioButton1..6 of the settings panel
    QLineEdit* edit2_ = nullptr;
    QLabel* label67_ = nullptr;
};

}  // namespace tolvane::gui
