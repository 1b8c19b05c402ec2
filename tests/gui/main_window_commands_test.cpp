// The main window's wiring that the core tests cannot see: painting writes
// judgements, the popup menu opens by its rules, the double-click reaches the
// dispatch, files go through the dialogs, undo brings a deletion back.
#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

#include <unistd.h>

#include "app/forms.h"
#include "app/sheet_sizing.h"
#include "sheet/feeder_totals_sheet.h"
#include "gui/main_window.h"
#include "gui/status_line.h"
#include "sheet/feeders.h"
#include "sheet/judgement.h"
#include "sheet/tree_marks.h"
#include "answering_host.h"
#include "gui/auto_recovery.h"
#include "sheet/file_store.h"
#include "shown_window.h"
#include "when_modal_opens.h"

using namespace tolvane;

namespace {

using test::whenModalOpens;

QPoint cellCentre(QTableView* view, int column, int row)
{
    return view->visualRect(view->model()->index(row, column)).center();
}

void putSingleFeeder(TForm1& form, int row, const char* name)
{
    Sheet& s = form.StringGrid1;
    s.setCell(col::No, row, "1");
    s.setCell(col::Name, row, name);
    s.setCell(col::Mark, row, std::string(mark::Single));
    s.setCell(col::FeederNo, row, "1");
    s.setCell(col::RowTotal, row, "1");
}

// A three-phase feeder on row 0 whose CV-T38゜ sizing can make smaller.
void putSizableFeeder(TForm1& form)
{
    putSingleFeeder(form, 0, "P1");
    for (auto [column, text] : {std::pair{col::System, "三相3線"}, {col::Breaker, "75"}, {col::Length, "10"},
                                {col::Current, "70"}, {col::PowerFactor, "0.8"}, {col::Cable, "CV-T38゜"},
                                {col::Method, "気中暗渠配線"}})
        form.StringGrid1.setCell(column, 0, text);
}

struct Window : test::ShownWindow {
    Window()
    {
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
};

// Gives the window a host that answers its boxes and dialogs from queues.
test::AnsweringHost* answerFor(gui::MainWindow& window)
{
    auto host = std::make_unique<test::AnsweringHost>(&window);
    test::AnsweringHost* raw = host.get();
    window.useHost(std::move(host));
    return raw;
}

std::string bytesOf(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::string smallSheet() { return std::string(TOLVANE_TEST_DATA) + "/output/small.ksk"; }

}  // namespace

class MainWindowCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void paintingMarksAFailedCheckRedAndWritesTheJudgement()
    {
        Window w;
        Sheet& s = w.forms.form1.StringGrid1;
        putSingleFeeder(w.forms.form1, 0, "L1");
        s.setCell(col::Breaker, 0, "50");
        s.setCell(col::MainDevice, 0, "60");
        w.window.afterLoad();
        QImage image = w.window.sheetView()->viewport()->grab().toImage();
        QCOMPARE(QString::fromStdString(s.cell(col::Judgement, 0)),
                 QString::fromUtf8(judgement::BreakerBelowMainDevice.data()));
        QRect cell = w.window.sheetView()->visualRect(w.window.sheetView()->model()->index(0, col::Breaker));
        bool red = false;
        for (int y = cell.top(); y <= cell.bottom() && !red; ++y)
            for (int x = cell.left(); x <= cell.right() && !red; ++x) {
                QColor c = image.pixelColor(x * image.devicePixelRatio(), y * image.devicePixelRatio());
                red = c.red() > 180 && c.green() < 90 && c.blue() < 90;
            }
        QVERIFY2(red, "the breaker cell is drawn in red");
        // The whole judgement, however narrow its column.
        QCOMPARE(w.window.sheetView()->model()->index(0, col::Judgement).data(Qt::ToolTipRole).toString(),
                 QString::fromUtf8(judgement::BreakerBelowMainDevice.data()));
    }

    void popupMenuOpensByTheRules()
    {
        Window w;
        QTableView* view = w.window.sheetView();
        // An empty row: the delete item deletes rows.
        QString caption;
        whenModalOpens([&](QWidget* popup) {
            auto* menu = qobject_cast<QMenu*>(popup);
            QVERIFY(menu);
            for (QAction* a : menu->actions())
                if (a->objectName() == "N1") caption = a->text();
            menu->close();
        });
        QPoint p = cellCentre(view, col::Name, 4);
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, p);
        QTest::mousePress(view->viewport(), Qt::RightButton, {}, p);
        QTest::mouseRelease(view->viewport(), Qt::RightButton, {}, p);
        QCOMPARE(caption, QString::fromUtf8("行を削除する"));
        QCOMPARE(w.forms.form1.uy1, 4);

        // A branch row of a one-system feeder opens no menu.
        Sheet& s = w.forms.form1.StringGrid1;
        s.setCell(col::Mark, 6, std::string(mark::Branch));
        bool opened = false;
        QTimer::singleShot(300, [&] {
            if (QApplication::activePopupWidget()) {
                opened = true;
                QApplication::activePopupWidget()->close();
            }
        });
        p = cellCentre(view, col::Name, 6);
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, p);
        QTest::mousePress(view->viewport(), Qt::RightButton, {}, p);
        QTest::mouseRelease(view->viewport(), Qt::RightButton, {}, p);
        QTest::qWait(400);
        QVERIFY(!opened);
    }

    void undoBringsADeletedFeederBack()
    {
        Window w;
        TForm1& form = w.forms.form1;
        putSingleFeeder(form, 0, "L1");
        w.window.afterLoad();
        form.ny1 = form.uy1 = 0;
        form.PopupMenu1.mode = DeleteMode::Feeder;
        whenModalOpens([](QWidget* box) { qobject_cast<QDialog*>(box)->accept(); });
        w.window.runCommand([&] { form.N1Click(); });
        QCOMPARE(QString::fromStdString(form.StringGrid1.cell(col::Name, 0)), QString());
        QVERIFY(w.window.isWindowModified());
        QVERIFY(w.window.undoHistory().canUndo());
        w.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QTest::keyClick(&w.window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(QString::fromStdString(form.StringGrid1.cell(col::Name, 0)), QString("L1"));
    }

    void cableSizingIsPreviewedAndAppliedAsOneUndoableStep()
    {
        Window w;
        TForm1& form = w.forms.form1;
        putSizableFeeder(form);
        Sheet& s = form.StringGrid1;
        w.window.afterLoad();
        form.ny1 = 0;

        QStringList seen;
        whenModalOpens([&](QWidget* d) {
            auto* table = d->findChild<QTableWidget*>("PreviewTable");
            QVERIFY(table);
            QCOMPARE(table->rowCount(), 1);
            seen << table->item(0, 3)->text();
            // Another family plans again.
            d->findChild<QComboBox*>("FamilyList")->setCurrentIndex(5);
            seen << table->item(0, 3)->text();
            d->findChild<QComboBox*>("FamilyList")->setCurrentIndex(0);
            QTest::mouseClick(d->findChild<QPushButton*>("ApplyButton"), Qt::LeftButton);
        });
        w.window.sizeCables(false);
        QCOMPARE(seen, QStringList({QString::fromUtf8("CV-T38゜ → CV-T14゜"), QString::fromUtf8("CV-T38゜ → CV14゜")}));
        QCOMPARE(QString::fromStdString(s.cell(col::Cable, 0)), QString::fromUtf8("CV-T14゜"));
        QVERIFY(w.window.isWindowModified());
        QVERIFY(!form.frequencyEnabled);
        w.window.undoHistory().undo(form);
        QVERIFY(form.frequencyEnabled);
        QCOMPARE(QString::fromStdString(s.cell(col::Cable, 0)), QString::fromUtf8("CV-T38゜"));
        QVERIFY(s.cell(col::Allowable, 0).empty());
    }

    void sizingThatChangesNoCableSaysSoAndCannotBeApplied()
    {
        Window w;
        TForm1& form = w.forms.form1;
        putSizableFeeder(form);
        Sheet& s = form.StringGrid1;
        applySheetSizing(form, planSheetSizing(w.forms, allFeederRanges(s), nullptr));
        w.window.afterLoad();
        form.ny1 = 0;
        const Sheet sized = s;

        bool seen = false;
        whenModalOpens([&](QWidget* d) {
            seen = true;
            QCOMPARE(d->findChild<QTableWidget*>("PreviewTable")->rowCount(), 0);
            auto* notice = d->findChild<QLabel*>("NoticeLabel");
            QVERIFY(notice && notice->isVisible());
            QCOMPARE(notice->text(), QString::fromUtf8("変更するケーブルはありません"));
            QVERIFY(!d->findChild<QPushButton*>("ApplyButton")->isEnabled());
            QTest::mouseClick(d->findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
        });
        w.window.sizeCables(false);
        QVERIFY(seen);
        QVERIFY(s == sized);
    }

    void savesAndOpensThroughTheFileDialogs()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("building");
        {
            Window w;
            putSingleFeeder(w.forms.form1, 0, "L9");
            w.forms.form1.Edit1 = "テストビル";
            w.window.afterLoad();
            whenModalOpens([&](QWidget* d) {
                auto* dialog = qobject_cast<QFileDialog*>(d);
                QVERIFY(dialog);
                auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                QVERIFY(name);
                name->setText(path);
                QTest::keyClick(name, Qt::Key_Return);
            });
            QTest::mouseClick(w.window.findChild<QWidget*>("Button2"), Qt::LeftButton);
            QVERIFY(QFile::exists(path + ".ksk"));
            QVERIFY(!w.window.isWindowModified());
        }
        Window w;
        QVERIFY2(!w.forms.form1.modified, "a fresh window has nothing to lose");
        whenModalOpens([&](QWidget* d) {
            auto* dialog = qobject_cast<QFileDialog*>(d);
            QVERIFY(dialog);
            // Typed into the name field, as a user would: the dialog checks
            // that the file exists before it accepts.
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(name);
            name->setText(path + ".ksk");
            QTest::keyClick(name, Qt::Key_Return);
        });
        QTest::mouseClick(w.window.findChild<QWidget*>("Button1"), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(w.forms.form1.StringGrid1.cell(col::Name, 0)), QString("L9"));
        QCOMPARE(QString::fromStdString(w.forms.form1.Edit1), QString::fromUtf8("テストビル"));
        QVERIFY(w.window.windowTitle().contains("building.ksk"));
    }

    void returnOpensTheSelectedRowAndPressesTheFocusedButton()
    {
        Window w;
        QTableView* view = w.window.sheetView();
        view->setFocus();
        view->setCurrentIndex(view->model()->index(5, col::LoadName));
        QString title;
        whenModalOpens([&](QWidget* d) {
            title = d->windowTitle();
            qobject_cast<QDialog*>(d)->reject();
        });
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(title, QString::fromUtf8("データー入力フォーム"));
        QCOMPARE(w.forms.form1.uy1, 5);

        auto* settings = w.window.findChild<QPushButton*>("Button19");
        settings->setFocus();
        QTest::keyClick(settings, Qt::Key_Return);
        QVERIFY(w.forms.form1.Panel30Visible);
    }

    void redoOnTheDesktopsKeysAndUndoBackToTheLoadedSheetIsUnmodified()
    {
        Window w;
        TForm1& form = w.forms.form1;
        putSingleFeeder(form, 0, "L1");
        w.window.afterLoad();  // as a file loads: nothing to save
        QVERIFY(!w.window.isWindowModified());
        form.ny1 = form.uy1 = 0;
        form.PopupMenu1.mode = DeleteMode::Feeder;
        whenModalOpens([](QWidget* box) { qobject_cast<QDialog*>(box)->accept(); });
        w.window.runCommand([&] { form.N1Click(); });
        QVERIFY(w.window.isWindowModified());
        w.window.activateWindow();  // back from the notice
        QVERIFY(QTest::qWaitForWindowActive(&w.window));

        QTest::keyClick(&w.window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(QString::fromStdString(form.StringGrid1.cell(col::Name, 0)), QString("L1"));
        QVERIFY(!w.window.isWindowModified());
        QTest::keyClick(&w.window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QString::fromStdString(form.StringGrid1.cell(col::Name, 0)), QString());
        QVERIFY(w.window.isWindowModified());

        // The popup menu offers both, with their keys.
        QMap<QString, QString> offered;
        whenModalOpens([&](QWidget* popup) {
            for (QAction* a : qobject_cast<QMenu*>(popup)->actions())
                if (!a->isSeparator()) offered[a->text()] = a->shortcut().toString();
            popup->close();
        });
        w.window.openPopupMenu(cellCentre(w.window.sheetView(), col::Name, 0));
        QCOMPARE(offered.value(QString::fromUtf8("元に戻す")), QString("Ctrl+Z"));
        QCOMPARE(offered.value(QString::fromUtf8("やり直し")), QString("Ctrl+Shift+Z"));
    }

    void aDroppedSheetFileOpensAsOpenDoes()
    {
        Window w;
        auto drag = [&](const QString& path) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(path)});
            QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
            enter.setAccepted(false);
            QApplication::sendEvent(&w.window, &enter);
            if (!enter.isAccepted()) return false;
            QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(&w.window, &drop);
            return true;
        };
        QVERIFY(!drag(QDir::temp().filePath("notes.txt")));  // no sheet file: refused
        QVERIFY(drag(QString(TOLVANE_TEST_DATA) + "/output/small.ksk"));
        QTRY_COMPARE(QString::fromStdString(w.forms.form1.Edit1), QString::fromUtf8("テスト ビル"));
        QVERIFY(w.window.windowTitle().contains("small.ksk"));
        QVERIFY(!w.window.isWindowModified());
    }

    void aWrittenPdfIsNamedUnderTheSheetWithItsFileAndFolderAtHand()
    {
        QTemporaryDir dir;
        Window w;
        QVERIFY(!w.forms.form1.loadSheetFile(std::string(TOLVANE_TEST_DATA) + "/output/small.ksk"));
        w.window.afterLoad();
        QList<QUrl> opened;
        gui::StatusLine* status = w.window.statusLine();
        status->openUrl = [&](const QUrl& url) {
            opened << url;
            return true;
        };
        const QString path = dir.filePath("document.pdf");
        whenModalOpens([&](QWidget* d) {
            auto* name = d->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(name);
            name->setText(path);
            QTest::keyClick(name, Qt::Key_Return);
        });
        QTest::mouseClick(w.window.findChild<QWidget*>("ButtonPdf"), Qt::LeftButton);
        QVERIFY(QFile::exists(path));
        QVERIFY(status->isVisible());
        QVERIFY2(status->text().contains(path), qPrintable(status->text()));
        QTest::mouseClick(status->findChild<QWidget*>("OpenWrittenFolder"), Qt::LeftButton);
        QCOMPARE(opened.last(), QUrl::fromLocalFile(dir.path()));
        QTest::mouseClick(status->findChild<QWidget*>("OpenWrittenFile"), Qt::LeftButton);
        QCOMPARE(opened.last(), QUrl::fromLocalFile(path));
    }

    void aFailedOpenOrSaveKeepsTheTitleTheFileAndTheRecoveryCopysFile()
    {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        QVERIFY(!replaceFile(folder + "/fake.ksk", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)));
        QVERIFY(!replaceFile(folder + "/plain", "x"));
        QVERIFY(!replaceFile(folder + "/unreadable.ksk", bytesOf(smallSheet())));
        QFile::setPermissions(dir.filePath("unreadable.ksk"), {});
        QVERIFY(QDir(dir.path()).mkdir("readonly"));
        QFile::setPermissions(dir.filePath("readonly"), QFile::ReadOwner | QFile::ExeOwner);
        const bool permissionsHold = ::geteuid() != 0;  // the administrator reads and writes past them

        Window w;
        test::AnsweringHost* host = answerFor(w.window);
        w.window.startRecovery(folder + "/recovery", std::chrono::milliseconds(50));
        w.window.runReplacingCommand([&] { w.forms.form1.openSheetFile(smallSheet()); });
        QTest::keyClicks(w.window.findChild<QLineEdit*>("Edit1"), "X");
        const QString title = w.window.windowTitle();
        QVERIFY2(title.contains("small.ksk"), qPrintable(title));
        QVERIFY(w.window.isWindowModified());
        // Painting writes the drawn judgements into the sheet: painted first.
        w.window.sheetView()->viewport()->repaint();
        const Sheet sheet = w.forms.form1.StringGrid1;
        std::string pathFile = w.window.recovery()->keeper().store().copyPath();
        pathFile.replace(pathFile.rfind(".ksk"), 4, ".path");
        QTRY_COMPARE(QString::fromStdString(bytesOf(pathFile)), QString::fromStdString(smallSheet()));

        struct Case {
            const char* what;
            const char* button;
            std::string file;
            bool needsPermissions;
        } cases[] = {
            {"a PNG renamed .ksk", "Button1", folder + "/fake.ksk", false},
            {"a file without read permission", "Button1", folder + "/unreadable.ksk", true},
            {"a save under a plain file", "Button2", folder + "/plain/y.ksk", false},
            {"a save into a read-only folder", "Button2", folder + "/readonly/y.ksk", true},
        };
        for (const Case& c : cases) {
            if (c.needsPermissions && !permissionsHold) continue;
            const std::size_t shown = host->informed.size() + host->errors.size();
            host->unsavedAnswers = {UnsavedWork::Discard};
            host->files = {c.file};
            QTest::mouseClick(w.window.findChild<QPushButton*>(c.button), Qt::LeftButton);
            QVERIFY2(host->informed.size() + host->errors.size() == shown + 1, c.what);
            QVERIFY2(w.window.windowTitle() == title, c.what);
            QVERIFY2(w.window.isWindowModified(), c.what);
            QVERIFY2(w.forms.form1.FileName == smallSheet(), c.what);
            QVERIFY2(w.forms.form1.StringGrid1 == sheet, c.what);
            QTest::qWait(150);  // a copy written after the failure still belongs to the sheet's file
            QVERIFY2(bytesOf(pathFile) == smallSheet(), c.what);
        }
        QFile::setPermissions(dir.filePath("readonly"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void theFileKeysPressTheirButtonsAndAreNamedInTooltipsAndTheMenu()
    {
        QTemporaryDir dir;
        const std::string own = dir.filePath("own.ksk").toStdString();
        Window w;
        test::AnsweringHost* host = answerFor(w.window);
        TForm1& form = w.forms.form1;
        putSingleFeeder(form, 0, "L1");
        form.Edit1 = "本社";
        w.window.runCommand([] {});

        const struct {
            const char* button;
            const char* tooltip;
        } named[] = {{"Button1", "開く (Ctrl+O)"},
                     {"ButtonSave", "上書き保存 (Ctrl+S)"},
                     {"Button2", "保存 (Ctrl+Shift+S)"},
                     {"Button24", "印刷 (Ctrl+P)"}};
        for (const auto& n : named)
            QCOMPARE(w.window.findChild<QPushButton*>(n.button)->toolTip(), QString::fromUtf8(n.tooltip));

        // A new sheet: Ctrl+S asks for a name.
        host->files = {own};
        QTest::keyClick(&w.window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(host->proposed, std::vector<std::string>{"本社幹線計算書"});
        QVERIFY(QFile::exists(QString::fromStdString(own)));
        QVERIFY(w.window.windowTitle().contains("own.ksk"));

        // With its file: Ctrl+S writes it at once, Ctrl+Shift+S proposes it.
        QTest::keyClicks(w.window.findChild<QLineEdit*>("Edit1"), "X");
        QVERIFY(w.window.isWindowModified());
        w.window.activateWindow();
        QTest::keyClick(&w.window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(host->proposed.size(), std::size_t{1});
        QVERIFY(!w.window.isWindowModified());
        TForm1 reread;
        QVERIFY(!reread.loadSheetFile(own));
        QCOMPARE(QString::fromStdString(reread.Edit1), QString::fromUtf8("本社X"));
        QTest::keyClick(&w.window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(host->proposed.back(), own);
        QTest::keyClick(&w.window, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(host->proposed.size(), std::size_t{3});  // the open dialog

        QMap<QString, QString> offered;
        whenModalOpens([&](QWidget* popup) {
            for (QAction* a : qobject_cast<QMenu*>(popup)->actions())
                if (!a->isSeparator()) offered[a->text()] = a->shortcut().toString();
            popup->close();
        });
        w.window.openPopupMenu(cellCentre(w.window.sheetView(), col::Name, 0));
        QCOMPARE(offered.value(QString::fromUtf8("開く")), QString("Ctrl+O"));
        QCOMPARE(offered.value(QString::fromUtf8("上書き保存")), QString("Ctrl+S"));
        QCOMPARE(offered.value(QString::fromUtf8("保存")), QString("Ctrl+Shift+S"));
        QCOMPARE(offered.value(QString::fromUtf8("印刷")), QString("Ctrl+P"));
    }

    void theBuildingNameBoxTellsAtOnceOfCharactersTheFileCannotHold()
    {
        Window w;
        auto* building = w.window.findChild<QLineEdit*>("Edit1");
        building->setText(QString::fromUtf8("本社😀"));
        emit building->textEdited(building->text());  // as typing does
        QVERIFY2(building->toolTip().contains(QString::fromUtf8("「😀」(U+1F600)")), qPrintable(building->toolTip()));
        building->setText(QString::fromUtf8("本社"));
        emit building->textEdited(building->text());
        QVERIFY(building->toolTip().isEmpty());
    }

    void theReviewKeepsTheFailingFeedersHeadRowInView()
    {
        Window w;
        test::AnsweringHost* host = answerFor(w.window);
        TForm1& form = w.forms.form1;
        Sheet& s = form.StringGrid1;
        s.setRowCount(300);
        // A dwelling feeder at rows 100 to 111 whose last branch fails.
        s.setCell(col::No, 100, "1");
        s.setCell(col::Name, 100, "住戸");
        s.setCell(col::Mark, 100, std::string(mark::Head));
        for (int r = 101; r <= 110; ++r) s.setCell(col::Mark, r, std::string(mark::Segment));
        s.setCell(col::Mark, 111, std::string(mark::Last));
        renumberFeeders(s);
        s.setCell(col::Judgement, 111, "×：許容電流35%以下");
        w.window.runCommand([] {});
        QTest::qWait(50);  // the grown sheet's scroll range is laid out
        QTableView* view = w.window.sheetView();
        int top = -1, bottom = -1;
        bool selected = false;
        host->whileShown = [&] {
            top = view->rowAt(0);
            bottom = view->rowAt(view->viewport()->height() - 1);
            selected = view->selectionModel()->isRowSelected(111, {});
        };
        QTest::mouseClick(w.window.findChild<QPushButton*>("Button25"), Qt::LeftButton);
        QCOMPARE(host->informed.size(), std::size_t{1});
        QCOMPARE(top, 100);  // the head row on top, the failing row below it
        QVERIFY(bottom >= 111);
        QVERIFY(selected);
    }

    void theTitleStripHoldsAtTheMinimumWidth()
    {
        Window w;
        const int minimum = w.window.minimumWidth();
        QVERIFY2(minimum <= 1255, "fits the window of a 1280 px screen");
        w.window.resize(minimum, 700);
        QCOMPARE(w.window.width(), minimum);
        QWidget* strip = w.window.findChild<QWidget*>("Panel19");
        for (const char* name : {"Label56", "Button124", "Button16", "Button25", "Button1"}) {
            QWidget* c = strip->findChild<QWidget*>(name);
            QVERIFY2(c && c->isVisible(), name);
            const QString text = c->property("text").toString();
            QVERIFY2(c->fontMetrics().horizontalAdvance(text) <= c->width(), name);
            QVERIFY2(c->mapTo(strip, QPoint(c->width(), 0)).x() <= strip->width(), name);
        }
        // "▲" and "▼" sit right of the sheet, over no column heading.
        const int sheetRight = w.window.sheetView()->geometry().right();
        for (const char* name : {"Button11", "Button13"})
            QVERIFY2(w.window.findChild<QWidget*>(name)->mapTo(&w.window, QPoint(0, 0)).x() > sheetRight, name);
    }

    void doubleClickOpensTheFeederFormForTheRow()
    {
        Window w;
        QTableView* view = w.window.sheetView();
        QString title;
        whenModalOpens([&](QWidget* d) {
            title = d->windowTitle();
            qobject_cast<QDialog*>(d)->reject();
        });
        QPoint p = cellCentre(view, col::Name, 3);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, p);
        QCOMPARE(w.forms.form1.uy1, 3);
        QCOMPARE(title, QString::fromUtf8("データー入力フォーム"));
        // Cancelled: nothing written.
        QVERIFY(w.forms.form1.StringGrid1.cell(col::Mark, 3).empty());
    }
};

QTEST_MAIN(MainWindowCommandsTest)
#include "main_window_commands_test.moc"
