#include "gui/main_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>

#include "app/command_guard.h"
#include "app/dispatch.h"
#include "app/forms.h"
#include "app/sheet_sizing.h"
#include "app/tform1.h"
#include "gui/auto_recovery.h"
#include "gui/background.h"
#include "gui/document_output.h"
#include "gui/export_dialog.h"
#include "gui/message_boxes.h"
#include "gui/print/document_painter.h"
#include "sheet/file_store.h"
#include "gui/header_strip.h"
#include "gui/print/fonts.h"
#include "gui/print/printer_paper.h"
#include "gui/progress_panel.h"
#include "gui/qt_host.h"
#include "gui/return_key.h"
#include "gui/sheet_delegate.h"
#include "gui/sheet_model.h"
#include "gui/dialogs/short_circuit_dialog.h"
#include "gui/sizing_preview_dialog.h"
#include "gui/status_line.h"
#include "sheet/feeders.h"
#include "text/numbers.h"

namespace tolvane::gui {

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }
QString u(const std::string& text) { return QString::fromStdString(text); }

QLabel* label(QWidget* parent, const char* text, const QColor& color = Qt::white)
{
    auto* l = new QLabel(u(text), parent);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, color);
    l->setPalette(p);
    return l;
}

constexpr int kTopBarHeight = 30;
constexpr int kHeaderHeight = 52;
constexpr int kScrollButtonWidth = 20;  // "▲" / "▼" in the margin right of the sheet

// The sheet file of a drag, when it carries exactly one local "*.ksk" file.
QString droppedSheetFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().front();
    if (!url.isLocalFile() || !url.toLocalFile().endsWith(".ksk", Qt::CaseInsensitive)) return {};
    return url.toLocalFile();
}

}  // namespace

MainWindow::MainWindow(Forms& forms, QWidget* parent)
    : QWidget(parent), forms_(forms), form_(forms.form1), host_(std::make_unique<QtHost>(this))
{
    forms_.setHost(host_.get());
    host_->onScrollToRow = [this](int row) { selectRow(row); };
    setFont(print::captionFont(11));
    setAcceptDrops(true);

    model_ = new SheetModel(form_.StringGrid1, this);
    sheetView_ = new QTableView(this);
    sheetView_->setObjectName("StringGrid1");
    sheetView_->setModel(model_);
    sheetView_->setItemDelegate(new SheetDelegate(form_.StringGrid1, sheetView_));
    sheetView_->horizontalHeader()->hide();
    sheetView_->verticalHeader()->hide();
    sheetView_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sheetView_->verticalHeader()->setDefaultSectionSize(24);
    sheetView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    sheetView_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    sheetView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sheetView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    sheetView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sheetView_->setShowGrid(true);
    sheetView_->setFont(print::minchoFont(13));
    QPalette sp = sheetView_->palette();
    sp.setColor(QPalette::Base, Qt::white);
    sp.setColor(QPalette::Text, QColor(0, 0, 128));
    sheetView_->setPalette(sp);

    headerStrip_ = new HeaderStrip(sheetView_, this);
    buildTopBar();
    buildSettingsPanel();
    buildOperationGuide();

    progressPanel_ = new ProgressPanel(this);
    statusLine_ = new StatusLine(this);

    pointerGuide_ = new QFrame(this);
    pointerGuide_->setObjectName("Panel5");
    setBackground(pointerGuide_, Qt::red);
    pointerGuide_->setGeometry(0, -2000, 1247, 3);

    // "▲" over "▼" at the right end of the header strip, beside the sheet's
    // scroll bar, clear of every column heading.
    auto* up = addButton(headerStrip_, "Button11", "▲");
    auto* down = addButton(headerStrip_, "Button13", "▼");
    up->setFixedSize(kScrollButtonWidth, 24);
    down->setFixedSize(kScrollButtonWidth, 24);
    connect(up, &QPushButton::clicked, this, [this] { guarded([this] { scrollSheetTo(0); }); });
    connect(down, &QPushButton::clicked, this, [this] {
        guarded([this] { scrollSheetTo(std::max(form_.StringGrid1.rowCount() - 35, 0)); });
    });

    sheetView_->viewport()->installEventFilter(this);
    sheetView_->installEventFilter(this);
    sheetView_->viewport()->setMouseTracking(true);

    connectCommands();
    applyColumnWidths();
    refreshFromModel();
    updateTitle();
    setMinimumWidth(minimumWindowWidth());
}

int MainWindow::minimumWindowWidth() const { return topBar_->layout()->minimumSize().width(); }

MainWindow::~MainWindow()
{
    recovery_.reset();
    if (form_.host == host_.get()) forms_.setHost(nullptr);
}

void MainWindow::useHost(std::unique_ptr<QtHost> host)
{
    host_ = std::move(host);
    forms_.setHost(host_.get());
    host_->onScrollToRow = [this](int row) { selectRow(row); };
}

void MainWindow::startRecovery(const std::string& folder, std::chrono::milliseconds interval)
{
    recovery_ = std::make_unique<AutoRecovery>(form_, folder, interval);
    bool restored = false;
    guarded([&] { restored = recovery_->offerOrphans(); });
    if (restored) afterLoad();
}

void MainWindow::guarded(const std::function<void()>& action) { runGuarded(host_.get(), action); }

void MainWindow::connectCommands()
{
    auto button = [this](const char* name) { return findChild<QPushButton*>(name); };
    connect(button("Button1"), &QPushButton::clicked, this,
            [this] { runReplacingCommand([this] { form_.Button1Click(); }); });
    connect(button("Button2"), &QPushButton::clicked, this, [this] { save(true); });
    connect(button("ButtonSave"), &QPushButton::clicked, this, [this] { save(false); });
    connect(button("Button3"), &QPushButton::clicked, this, [this] {
        guarded([this] {
            form_.Button3Click();
            copyToClipboard();
        });
    });
    connect(button("Button25"), &QPushButton::clicked, this, [this] { runCommand([this] { form_.Button25Click(); }); });
    // The outputs write the page record into the sheet before they can fail.
    auto output = [this](std::function<void()> command) {
        return [this, command] {
            guarded(command);
            progressPanel_->hide();
            afterCommand();
        };
    };
    connect(button("Button16"), &QPushButton::clicked, this, output([this] { exportWorkbook(); }));
    connect(button("Button24"), &QPushButton::clicked, this, output([this] { printDocument(); }));
    connect(button("ButtonPdf"), &QPushButton::clicked, this, output([this] { writePdf(); }));
    connect(button("Button18"), &QPushButton::clicked, this, [this] { runCommand([this] { form_.Button18Click(); }); });
    connect(button("ButtonShortCircuit"), &QPushButton::clicked, this, [this] { guarded([this] { openShortCircuit(); }); });

    // A double-click on a row opens the entry form that fits it; so does
    // Return on the selected row.
    connect(sheetView_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { openRow(index.row(), index.column()); });

    // The desktop's own keys (Ctrl+Z; Ctrl+Shift+Z, shown in the menu), and
    // Ctrl+Y for redo.
    undoAction_ = new QAction(u("元に戻す"), this);
    undoAction_->setObjectName("Undo");
    undoAction_->setShortcuts(QKeySequence::Undo);
    connect(undoAction_, &QAction::triggered, this, &MainWindow::undo);
    redoAction_ = new QAction(u("やり直し"), this);
    redoAction_->setObjectName("Redo");
    QList<QKeySequence> redoKeys = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
    const QList<QKeySequence> otherKeys = QKeySequence::keyBindings(QKeySequence::Redo) << QKeySequence(Qt::CTRL | Qt::Key_Y);
    for (const QKeySequence& key : otherKeys)
        if (!redoKeys.contains(key)) redoKeys << key;
    redoAction_->setShortcuts(redoKeys);
    connect(redoAction_, &QAction::triggered, this, &MainWindow::redo);
    addAction(undoAction_);
    addAction(redoAction_);

    // The file keys of every desktop program; each presses its button, and
    // the button's tooltip names the key.
    struct FileKey {
        const char* button;
        const char* caption;
        QKeySequence key;
    };
    const FileKey fileKeys[] = {
        {"Button1", "開く", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"ButtonSave", "上書き保存", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"Button2", "保存", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"Button24", "印刷", QKeySequence(Qt::CTRL | Qt::Key_P)},
    };
    for (const FileKey& k : fileKeys) {
        QPushButton* b = button(k.button);
        auto* action = new QAction(u(k.caption), this);
        action->setObjectName(QString::fromLatin1("Action") + k.button);
        action->setShortcut(k.key);
        action->setShortcutContext(Qt::WindowShortcut);
        b->setToolTip(u(k.caption) + " (" + k.key.toString(QKeySequence::NativeText) + ")");
        connect(action, &QAction::triggered, b, &QPushButton::click);
        addAction(action);
        fileActions_.push_back(action);
    }
}

void MainWindow::save(bool withDialog)
{
    guarded([this, withDialog] {
        if (withDialog)
            form_.Button2Click();
        else
            form_.ButtonSaveClick();
        if (!form_.modified) undo_.markSaved(form_);
    });
    afterCommand();
}

void MainWindow::openRow(int row, int column)
{
    if (row < 0 || row >= form_.StringGrid1.rowCount()) return;
    form_.ux1 = column;
    form_.uy1 = row;
    form_.ny1 = row;
    runCommand([this] { StringGrid1DblClick(forms_); });
}

void MainWindow::undo()
{
    guarded([this] { undo_.undo(form_); });
    afterCommand();
}

void MainWindow::redo()
{
    guarded([this] { undo_.redo(form_); });
    afterCommand();
}

void MainWindow::exportWorkbook()
{
    TForm6 dialog(this);
    if (dialog.exec() != QDialog::Accepted) return;
    WorkbookMode mode = dialog.choice() == TForm6::PerItem ? WorkbookMode::PerItem : WorkbookMode::Rows18;
    std::optional<std::string> path = host_->chooseFile(FileDialog::SaveWorkbook, form_.proposedWorkbookPath());
    if (!path) return;
    if (!path->ends_with(".xlsx")) *path += ".xlsx";
    progressPanel_->setGeometry(0, kTopBarHeight, width(), height() - kTopBarHeight);
    progressPanel_->setProgress(0, 1);
    progressPanel_->show();
    progressPanel_->raise();
    std::optional<ExportFailure> failure =
        form_.exportWorkbook(*path, mode, [this](int done, int total) { progressPanel_->setProgress(done, total); });
    progressPanel_->hide();
    if (failure) {
        host_->reportError(failure->text);
        return;
    }
    // Left open for the user, as the workbook always was; the line under
    // the sheet says where it lies.
    statusLine_->showWritten(u("エクセルブックを書き出しました"), u(*path));
    statusLine_->openFile();
}

void MainWindow::printDocument()
{
    printOnChosenPrinter(this, *host_, [this] { return form_.printDocument(); });
}

void MainWindow::writePdf()
{
    std::string proposed = form_.proposedWorkbookPath();
    proposed.replace(proposed.size() - 5, 5, ".pdf");
    std::optional<PdfOutcome> outcome = writePdfToChosenFile(*host_, proposed, form_.FileName, [this] { return form_.printDocument(); });
    if (!outcome) return;
    if (outcome->written) statusLine_->showWritten(u("PDFを書き出しました"), u(outcome->path));
    if (outcome->complete) statusLine_->openFile();
}

void MainWindow::runCommand(const std::function<void()>& command)
{
    guarded([&] { undo_.run(form_, command); });
    afterCommand();
}

void MainWindow::runReplacingCommand(const std::function<void()>& command)
{
    DocumentState before = captureDocument(form_);
    const std::string fileBefore = form_.FileName;
    guarded(command);
    // A loaded file replaces the document: the steps before it no longer apply.
    if (form_.FileName != fileBefore || !(captureDocument(form_) == before)) undo_.clear();
    if (!form_.modified) undo_.markSaved(form_);
    afterCommand();
}

void MainWindow::afterLoad()
{
    undo_.clear();
    undo_.markSaved(form_);
    afterCommand();
}

void MainWindow::afterCommand()
{
    model_->reload();
    refreshFromModel();
    updateTitle();
    undoAction_->setEnabled(undo_.canUndo());
    redoAction_->setEnabled(undo_.canRedo());
    sheetView_->viewport()->update();
    if (recovery_) recovery_->documentChanged();
}

void MainWindow::titleBlockEdited()
{
    updateTitle();
    if (recovery_) recovery_->documentChanged();
}

void MainWindow::updateTitle()
{
    QString title = u(kWindowCaption);
    if (!form_.FileName.empty()) title += " - " + QFileInfo(u(form_.FileName)).fileName();
    setWindowTitle(title + "[*]");
    setWindowModified(form_.modified);
}

void MainWindow::copyToClipboard()
{
    QGuiApplication::clipboard()->setText(u(form_.clipboardText));
}

void MainWindow::selectRow(int row)
{
    // The feeder's head row (No. and name) stays in view above the row when
    // both fit on the screen.
    const int rowHeight = std::max(sheetView_->verticalHeader()->defaultSectionSize(), 1);
    const int visibleRows = std::max(sheetView_->viewport()->height() / rowHeight, 1);
    scrollSheetTo(topRowShowingFeeder(form_.StringGrid1, row, visibleRows));
    sheetView_->selectRow(row);
}

void MainWindow::openPopupMenu(const QPoint& viewportPos)
{
    if (!form_.StringGrid1PopupRelease(true)) return;
    const PopupMenu& state = form_.PopupMenu1;
    QMenu menu(this);
    struct Item {
        int position;
        const char* name;
        QString caption;
        std::function<void()> run;
    };
    const Item items[] = {
        {popup::Delete, "N1", u(state.deleteCaption), [this] { runCommand([this] { form_.N1Click(); }); }},
        {popup::Insert, "N2", u("行の追加"), [this] { runCommand([this] { form_.N2Click(); }); }},
        {popup::Paste, "N8", u("貼付"), [this] { runCommand([this] { form_.N8Click(); }); }},
        {popup::Copy, "N7", u("コピー"), [this] { runCommand([this] { form_.N7Click(); }); }},
        {popup::CopyFeederText, "N3", u("クリップボードへコピー(個別)"),
         [this] {
             guarded([this] {
                 form_.N3Click();
                 copyToClipboard();
             });
         }},
        {popup::CopySheetText, "N9", u("クリップボードへコピー(全部)"),
         [this] {
             guarded([this] {
                 form_.N9Click();
                 copyToClipboard();
             });
         }},
        {popup::ClearAll, "N11", u("全削除"),
         [this] {
             if (form_.modified && !askBox(this, "保存されていない変更があります。全削除してよろしいですか？")) return;
             runCommand([this] { form_.N11Click(); });
         }},
        {popup::Guide, "N13", u("操作方法の表示"),
         [this] {
             form_.Panel6Visible = true;
             refreshFromModel();
             guidePanel_->raise();
         }},
        {popup::SizeFeeder, "N14", u("ケーブル自動選定（この幹線）"), [this] { sizeCables(false); }},
        {popup::SizeAll, "N15", u("ケーブル自動選定（全幹線）"), [this] { sizeCables(true); }},
        {popup::ShortCircuit, "N16", u("短絡電流計算"), [this] { openShortCircuit(); }},
    };
    int lastPosition = -1;
    for (const Item& item : items) {
        if (item.position > lastPosition + 1) menu.addSeparator();
        lastPosition = item.position;
        QAction* action = menu.addAction(item.caption);
        action->setObjectName(item.name);
        action->setEnabled(state.enabled[static_cast<std::size_t>(item.position)]);
        auto run = item.run;
        connect(action, &QAction::triggered, this, [this, run] { guarded(run); });
    }
    menu.addSeparator();
    menu.addAction(undoAction_);
    menu.addAction(redoAction_);
    menu.addSeparator();
    for (QAction* action : fileActions_) menu.addAction(action);
    menu.exec(sheetView_->viewport()->mapToGlobal(viewportPos + QPoint(20, 0)));
}

void MainWindow::openShortCircuit()
{
    TForm7& window = forms_.form7;
    // Each change of the window is a command of this one: an undo step of its
    // own that reaches the sheet on screen and the recovery copy.
    window.commit = [this](const std::function<void()>& change) { runCommand(change); };
    execShortCircuit(this, *host_, window);
    window.commit = nullptr;
    afterCommand();
}

void MainWindow::sizeCables(bool everyFeeder)
{
    const std::vector<FeederRange> feeders = feedersToSize(form_, everyFeeder);
    if (feeders.empty()) return;
    SizingPreview model(forms_, feeders);
    if (!runGuarded(host_.get(), [&] { model.FormShow(); })) return;
    SizingPreviewDialog preview(this, model, host_.get());
    if (preview.exec() != QDialog::Accepted) return;
    const SizingPlan& plan = preview.plan();
    runCommand([this, &plan] { applySheetSizing(form_, plan); });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (form_.modified) {
        bool mayClose = false;
        guarded([&] { mayClose = form_.settleUnsavedWork(); });
        if (!mayClose) {
            // Cancelled, or the save did not happen: the window stays open.
            afterCommand();
            event->ignore();
            return;
        }
        // The user let the changes go: no copy of them is kept. Saved work
        // needs none either; the keeper removes it at the end.
        if (form_.modified && recovery_) recovery_->discard();
    }
    event->accept();
}

void MainWindow::scrollSheetTo(int row)
{
    sheetView_->verticalScrollBar()->setValue(row);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit2_ && event->type() == QEvent::MouseButtonPress) {
        guarded([this] { form_.Button124Click(); });
        refreshFromModel();
        titleBlockEdited();
        return false;
    }
    if (watched == sheetView_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && sheetView_->currentIndex().isValid()) {
            openRow(sheetView_->currentIndex().row(), sheetView_->currentIndex().column());
            return true;
        }
    }
    if (watched != sheetView_->viewport()) return QWidget::eventFilter(watched, event);
    auto cellAt = [this](QMouseEvent* e) {
        QPoint p = e->position().toPoint();
        return std::pair{sheetView_->columnAt(p.x()), sheetView_->rowAt(p.y())};
    };
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton) {
            if (form_.Panel6Visible) {
                form_.Panel6Visible = false;
                guidePanel_->hide();
            }
            auto [c, r] = cellAt(e);
            form_.nx1 = c;
            form_.ny1 = r;
        }
        break;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        int y = static_cast<int>(e->position().y());
        // The red bar runs under the pointer's row as a reading guide.
        if (y > 7)
            pointerGuide_->move(pointerGuide_->x(), y + sheetView_->y() + 18);
        else
            pointerGuide_->move(pointerGuide_->x(), -2000);
        pointerGuide_->raise();
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        auto [c, r] = cellAt(e);
        if (r >= 0 && r < form_.StringGrid1.rowCount()) {
            form_.ux1 = c;
            form_.uy1 = r;
            guarded([this, e] {
                if (e->button() == Qt::RightButton)
                    openPopupMenu(e->position().toPoint());
                else
                    form_.StringGrid1PopupRelease(false);
            });
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

QPushButton* MainWindow::addButton(QWidget* parent, const char* name, const char* caption)
{
    auto* b = new QPushButton(u(caption), parent);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::TabFocus);
    pressOnReturn(b);
    return b;
}

void MainWindow::buildTopBar()
{
    topBar_ = new QFrame(this);
    topBar_->setObjectName("Panel19");
    setBackground(topBar_, Qt::black);
    auto* bar = new QHBoxLayout(topBar_);
    bar->setContentsMargins(4, 2, 4, 2);
    bar->setSpacing(4);

    bar->addWidget(addButton(topBar_, "Button1", "開く"));
    bar->addWidget(addButton(topBar_, "ButtonSave", "上書き保存"));
    bar->addWidget(addButton(topBar_, "Button2", "保存"));
    bar->addWidget(addButton(topBar_, "Button24", "印刷"));
    bar->addWidget(addButton(topBar_, "ButtonPdf", "PDF出力"));
    bar->addWidget(addButton(topBar_, "Button19", "設定"));
    bar->addWidget(addButton(topBar_, "Button3", "クリッボードコピー"));
    bar->addWidget(addButton(topBar_, "ButtonShortCircuit", "短絡電流計算"));

    label66_ = label(topBar_, "60Hz", Qt::yellow);
    label66_->setObjectName("Label66");
    QFont bold = label66_->font();
    bold.setBold(true);
    bold.setPixelSize(14);
    label66_->setFont(bold);
    bar->addWidget(label66_);

    bar->addWidget(label(topBar_, "建物名称"));
    edit1_ = new QLineEdit(topBar_);
    edit1_->setObjectName("Edit1");
    // As wide as a long building name needs where the screen has room; on a
    // narrow screen it gives way first, so that every command stays in view.
    edit1_->setMinimumWidth(200);
    edit1_->setMaximumWidth(345);
    bar->addWidget(edit1_, 1);
    connect(edit1_, &QLineEdit::textEdited, this, [this](const QString& t) {
        form_.Edit1 = t.toStdString();
        form_.modified = true;
        form_.Edit1Change();
        // Told at once, where the typing is.
        edit1_->setToolTip(u(form_.Edit1Hint));
        if (!form_.Edit1Hint.empty())
            QToolTip::showText(edit1_->mapToGlobal(QPoint(0, edit1_->height())), edit1_->toolTip(), edit1_);
        titleBlockEdited();
    });

    auto* judgePanel = new QFrame(topBar_);
    setBackground(judgePanel, Qt::red);
    auto* jl = new QHBoxLayout(judgePanel);
    jl->setContentsMargins(3, 1, 3, 1);
    jl->addWidget(addButton(judgePanel, "Button25", "判定の確認"));
    bar->addWidget(judgePanel);

    bar->addStretch(1);

    auto* date = new QFrame(topBar_);
    date->setObjectName("Panel4");
    auto* dl = new QHBoxLayout(date);
    dl->setContentsMargins(0, 0, 0, 0);
    dl->setSpacing(2);
    label56_ = label(date, "平成");
    label56_->setObjectName("Label56");
    edit3_ = new QLineEdit(date);
    edit3_->setObjectName("Edit3");
    edit3_->setFixedWidth(72);
    edit25_ = new QLineEdit(date);
    edit25_->setObjectName("Edit25");
    edit25_->setFixedWidth(32);
    edit26_ = new QLineEdit(date);
    edit26_->setObjectName("Edit26");
    edit26_->setFixedWidth(28);
    edit27_ = new QLineEdit(date);
    edit27_->setObjectName("Edit27");
    edit27_->setFixedWidth(28);
    dl->addWidget(label56_);
    dl->addWidget(edit3_);
    dl->addWidget(edit25_);
    dl->addWidget(label(date, "年"));
    dl->addWidget(edit26_);
    dl->addWidget(label(date, "月"));
    dl->addWidget(edit27_);
    dl->addWidget(label(date, "日"));
    auto* today = addButton(date, "Button124", "TODAY");
    dl->addWidget(today);
    bar->addWidget(date);
    connect(today, &QPushButton::clicked, this, [this] {
        guarded([this] { form_.Button124Click(); });
        refreshFromModel();
        titleBlockEdited();
    });
    auto bindDate = [this](QLineEdit* e, std::string TForm1::*field) {
        connect(e, &QLineEdit::textEdited, this, [this, field](const QString& t) {
            form_.*field = t.toStdString();
            form_.modified = true;
            titleBlockEdited();
        });
    };
    bindDate(edit25_, &TForm1::Edit25);
    bindDate(edit26_, &TForm1::Edit26);
    bindDate(edit27_, &TForm1::Edit27);
    bindDate(edit3_, &TForm1::Edit3);

    auto* excelPanel = new QFrame(topBar_);
    setBackground(excelPanel, QColor(0, 128, 0));
    auto* el = new QHBoxLayout(excelPanel);
    el->setContentsMargins(3, 1, 3, 1);
    el->addWidget(addButton(excelPanel, "Button16", "エクセル変換"));
    bar->addWidget(excelPanel);

    // On a narrow window the buttons give up their margins before anything
    // of the strip is lost.
    for (QPushButton* b : topBar_->findChildren<QPushButton*>()) {
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 12);
    }

    auto* settings = topBar_->findChild<QPushButton*>("Button19");
    connect(settings, &QPushButton::clicked, this, [this] {
        guarded([this] { form_.Button19Click(); });
        refreshFromModel();
    });
}

void MainWindow::buildSettingsPanel()
{
    settingsPanel_ = new QFrame(this);
    settingsPanel_->setObjectName("Panel30");
    setBackground(settingsPanel_, QColor(240, 240, 240));
    auto* outer = new QVBoxLayout(settingsPanel_);
    outer->setContentsMargins(40, 30, 40, 30);
    auto* title = new QLabel(u("設定画面"), settingsPanel_);
    QFont tf = title->font();
    tf.setPixelSize(20);
    tf.setBold(true);
    title->setFont(tf);
    outer->addWidget(title);

    auto group = [&](const char* caption) {
        auto* box = new QGroupBox(u(caption), settingsPanel_);
        box->setFixedWidth(420);
        outer->addWidget(box);
        return box;
    };
    auto radio = [&](QWidget* box, int n, const char* caption) {
        auto* r = new QRadioButton(u(caption), box);
        r->setObjectName(QString("RadioButton%1").arg(n));
        radio_[n] = r;
        return r;
    };

    auto* freq = group("周波数");
    auto* fl = new QHBoxLayout(freq);
    fl->addWidget(radio(freq, 1, "60Hz"));
    fl->addWidget(radio(freq, 2, "50Hz"));

    auto* era = group("年号表示");
    auto* erl = new QHBoxLayout(era);
    erl->addWidget(radio(era, 3, "和暦"));
    erl->addWidget(radio(era, 4, "西暦"));
    edit2_ = new QLineEdit(era);
    edit2_->setObjectName("Edit2");
    edit2_->setFixedWidth(60);
    erl->addWidget(edit2_);
    label67_ = new QLabel(era);
    label67_->setObjectName("Label67");
    erl->addWidget(label67_);

    auto* pages = group("ページ番号印刷");
    auto* pl = new QHBoxLayout(pages);
    pl->addWidget(radio(pages, 5, "印刷する"));
    pl->addWidget(radio(pages, 6, "印刷しない"));

    for (int pair = 0; pair < 3; ++pair) {
        auto* g = new QButtonGroup(settingsPanel_);
        g->addButton(radio_[pair * 2 + 1]);
        g->addButton(radio_[pair * 2 + 2]);
    }
    void (TForm1::*clicks[7])() = {nullptr,
                                   &TForm1::RadioButton1Click,
                                   &TForm1::RadioButton2Click,
                                   &TForm1::RadioButton3Click,
                                   &TForm1::RadioButton4Click,
                                   &TForm1::RadioButton5Click,
                                   &TForm1::RadioButton6Click};
    for (int n = 1; n <= 6; ++n) {
        auto click = clicks[n];
        connect(radio_[n], &QRadioButton::clicked, this, [this, click] {
            TForm1& form = form_;
            guarded([&form, click] { (form.*click)(); });
            refreshFromModel();
            titleBlockEdited();
        });
    }
    connect(edit2_, &QLineEdit::textEdited, this, [this](const QString& t) { form_.Edit2 = t.toStdString(); });
    // Clicking the era-name box sets the date to today, as "TODAY" does.
    edit2_->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    auto* save = addButton(settingsPanel_, "Button18", "設定保存");
    auto* close = addButton(settingsPanel_, "Button26", "閉じる");
    buttons->addWidget(save);
    buttons->addWidget(close);
    buttons->addStretch(1);
    outer->addLayout(buttons);
    outer->addStretch(1);
    connect(close, &QPushButton::clicked, this, [this] {
        guarded([this] { form_.Button26Click(); });
        refreshFromModel();
    });
    settingsPanel_->hide();
}

void MainWindow::buildOperationGuide()
{
    guidePanel_ = new QFrame(this);
    guidePanel_->setObjectName("Panel6");
    setBackground(guidePanel_, QColor(255, 251, 240));
    guidePanel_->setFrameShape(QFrame::Box);
    auto* l = new QVBoxLayout(guidePanel_);
    auto* title = new QLabel(u("操作説明"), guidePanel_);
    QFont tf = title->font();
    tf.setBold(true);
    tf.setPixelSize(14);
    title->setFont(tf);
    l->addWidget(title);
    for (const char* line : {"・入力したい行をダブルクリックすると必要情報の入力画面が表示されます。",
                             "・画面で右クリックするとポップアップメニューが表示されます。",
                             "・No.の付いた行では、ポップアップメニューから「コピー」「貼付」の操作が行えます。"})
        l->addWidget(new QLabel(u(line), guidePanel_));
    guidePanel_->hide();
}

void MainWindow::applyColumnWidths()
{
    QHeaderView* header = sheetView_->horizontalHeader();
    header->setMinimumSectionSize(0);
    header->setSectionResizeMode(QHeaderView::Fixed);
    WindowLayout layout = layoutForWindow(width(), height());
    for (int c = 0; c < kSheetColumns; ++c) {
        int w = c == col::Judgement ? std::max(layout.judgementWidth, 0) : kColumnWidths[c];
        sheetView_->setColumnHidden(c, w == 0);
        if (w > 0) sheetView_->setColumnWidth(c, w);
    }
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    WindowLayout layout = layoutForWindow(width(), height());
    topBar_->setGeometry(0, 0, width(), kTopBarHeight);
    sheetView_->setGeometry(0, kTopBarHeight + kHeaderHeight, layout.sheetWidth, layout.sheetHeight);
    headerStrip_->setGeometry(0, kTopBarHeight, width(), kHeaderHeight);
    if (auto* up = headerStrip_->findChild<QPushButton*>("Button11")) up->move(width() - kScrollButtonWidth, 2);
    if (auto* down = headerStrip_->findChild<QPushButton*>("Button13")) down->move(width() - kScrollButtonWidth, 26);
    const int sheetBottom = kTopBarHeight + kHeaderHeight + layout.sheetHeight;
    statusLine_->setGeometry(0, sheetBottom + 2, width(), std::max(height() - sheetBottom - 4, 0));
    settingsPanel_->setGeometry(0, 0, width(), height());
    progressPanel_->setGeometry(0, kTopBarHeight, width(), height() - kTopBarHeight);
    guidePanel_->setGeometry(width() - 620, kTopBarHeight + kHeaderHeight + 40, 580, 110);
    pointerGuide_->resize(layout.pointerGuideWidth, 3);
    applyColumnWidths();
    headerStrip_->update();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    guarded([this] { form_.FormShow(); });
    // A sheet named on the command line has just been loaded: nothing to undo.
    afterLoad();
    // The current cell sits on a hidden column, so no visible cell looks selected.
    sheetView_->selectionModel()->setCurrentIndex(model_->index(0, 30), QItemSelectionModel::NoUpdate);
    if (auto* check = findChild<QPushButton*>("Button25")) check->setFocus();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedSheetFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedSheetFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // Opened once the drag has ended: the question and the load are modal.
    QMetaObject::invokeMethod(
        this, [this, path] { runReplacingCommand([this, path] { form_.openSheetFile(path.toStdString()); }); },
        Qt::QueuedConnection);
}

void MainWindow::refreshFromModel()
{
    label66_->setText(u(form_.Label66));
    if (edit1_->text() != u(form_.Edit1)) edit1_->setText(u(form_.Edit1));
    label56_->setText(u(form_.Label56));
    label56_->setVisible(form_.Label56Visible);
    edit25_->setVisible(form_.Label56Visible);
    edit3_->setVisible(form_.Edit3Visible);
    edit25_->setText(u(form_.Edit25));
    edit26_->setText(u(form_.Edit26));
    edit27_->setText(u(form_.Edit27));
    edit3_->setText(u(form_.Edit3));
    bool radios[7] = {false,           form_.RadioButton1, form_.RadioButton2, form_.RadioButton3,
                      form_.RadioButton4, form_.RadioButton5, form_.RadioButton6};
    for (int n = 1; n <= 6; ++n) radio_[n]->setChecked(radios[n]);
    radio_[1]->setEnabled(form_.frequencyEnabled);
    radio_[2]->setEnabled(form_.frequencyEnabled);
    edit2_->setText(u(form_.Edit2));
    edit2_->setVisible(form_.Edit2Visible);
    label67_->setText(u(form_.Label67));
    label67_->setVisible(form_.Label67Visible);
    settingsPanel_->setVisible(form_.Panel30Visible);
    if (form_.Panel30Visible) settingsPanel_->raise();
    guidePanel_->setVisible(form_.Panel6Visible);
}

}  // namespace tolvane::gui
