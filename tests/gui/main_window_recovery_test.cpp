// The main window's recovery copy and its guard around commands: unsaved
// edits are copied, saving or letting the changes go removes the copy, the
// next start offers the copy of a window that stopped, and a command that
// throws is reported while the window goes on.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>
#include <stdexcept>

#include "app/forms.h"
#include "app/recovery_keeper.h"
#include "gui/auto_recovery.h"
#include "gui/main_window.h"
#include "answering_host.h"
#include "gui/qt_host.h"
#include "sheet/file_store.h"
#include "sheet/tree_marks.h"

using namespace tolvane;
using namespace std::chrono_literals;

namespace {

struct Window {
    Forms forms;
    gui::MainWindow window{forms};
    test::AnsweringHost* host = nullptr;
    Window()
    {
        forms.form1.FormCreate("/nonexistent/tolvane", {}, 1920, 1080);
        auto answering = std::make_unique<test::AnsweringHost>(&window);
        host = answering.get();
        window.useHost(std::move(answering));
        window.resize(1584, 798);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    TForm1& form() { return forms.form1; }
    std::string copyPath() { return window.recovery()->keeper().store().copyPath(); }
};

// What a sheet file holds, loaded into a window of its own.
std::unique_ptr<TForm1> loaded(const std::string& path)
{
    auto form = std::make_unique<TForm1>();
    if (form->loadSheetFile(path)) return nullptr;  // not written yet
    return form;
}

std::string buildingIn(const std::string& path)
{
    auto form = loaded(path);
    return form ? form->Edit1 : std::string("(cannot load)");
}

}  // namespace

class MainWindowRecoveryTest : public QObject {
    Q_OBJECT
private slots:
    void unsavedEditsAreCopiedAndSavingRemovesTheCopy()
    {
        QTemporaryDir dir;
        Window w;
        w.window.startRecovery(dir.filePath("recovery").toStdString(), 100ms);
        QVERIFY(w.window.recovery()->keeper().usable());

        auto* building = w.window.findChild<QLineEdit*>("Edit1");
        QTest::keyClicks(building, "Tower");
        QVERIFY(w.window.isWindowModified());
        QTRY_COMPARE(QString::fromStdString(buildingIn(w.copyPath())), QString("Tower"));

        // A command: the copy follows it.
        w.window.runCommand([&] {
            w.form().StringGrid1.setCell(col::Mark, 4, std::string(mark::Single));
            w.form().StringGrid1.setCell(col::No, 4, "1");
            w.form().StringGrid1.setCell(col::Name, 4, "P-1");
        });
        QTRY_VERIFY([&] {
            auto copy = loaded(w.copyPath());
            return copy && copy->StringGrid1.cell(col::Name, 4) == "P-1";
        }());

        w.host->files = {dir.filePath("building.ksk").toStdString()};
        QTest::mouseClick(w.window.findChild<QPushButton*>("Button2"), Qt::LeftButton);
        QVERIFY(!w.window.isWindowModified());
        QVERIFY2(!QFile::exists(QString::fromStdString(w.copyPath())), "saved work needs no copy");
        QTest::qWait(300);
        QVERIFY(!QFile::exists(QString::fromStdString(w.copyPath())));
    }

    void closingRemovesTheCopyOnlyWhenTheUserLetsTheChangesGo()
    {
        QTemporaryDir dir;
        Window w;
        w.window.startRecovery(dir.filePath("recovery").toStdString(), 50ms);
        QTest::keyClicks(w.window.findChild<QLineEdit*>("Edit27"), "3");
        QTRY_VERIFY(QFile::exists(QString::fromStdString(w.copyPath())));

        w.host->unsavedAnswers = {UnsavedWork::Cancel};
        QVERIFY(!w.window.close());
        QVERIFY(QFile::exists(QString::fromStdString(w.copyPath())));
        w.host->unsavedAnswers = {UnsavedWork::Discard};
        QVERIFY(w.window.close());
        QVERIFY(!QFile::exists(QString::fromStdString(w.copyPath())));
    }

    void closingWithSaveWritesTheFileFirstAndStaysOpenWhenTheSaveDoesNotHappen()
    {
        QTemporaryDir dir;
        Window w;
        w.window.startRecovery(dir.filePath("recovery").toStdString(), 50ms);
        QTest::keyClicks(w.window.findChild<QLineEdit*>("Edit1"), "Annex");
        QTRY_VERIFY(QFile::exists(QString::fromStdString(w.copyPath())));

        w.host->unsavedAnswers = {UnsavedWork::Save};  // the save dialog is cancelled
        QVERIFY(!w.window.close());
        QVERIFY(w.window.isWindowModified());
        QVERIFY(QFile::exists(QString::fromStdString(w.copyPath())));

        const std::string path = dir.filePath("annex.ksk").toStdString();
        w.host->unsavedAnswers = {UnsavedWork::Save};
        w.host->files = {path};
        QVERIFY(w.window.close());
        QCOMPARE(QString::fromStdString(buildingIn(path)), QString("Annex"));
        QCOMPARE(w.host->asked, (std::vector<std::string>(2, kUnsavedWorkQuestion)));
    }

    void startUpOffersTheWorkOfAWindowThatStopped()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("recovery");
        QVERIFY(QDir().mkpath(folder));
        // What a killed window leaves: its lock (no longer held), its copy
        // and the path of the file it was editing.
        {
            TForm1 work;
            work.Edit1 = "別館";
            work.StringGrid1.setCell(col::Mark, 0, std::string(mark::Single));
            work.StringGrid1.setCell(col::No, 0, "1");
            QVERIFY(!replaceFile((folder + "/window-0123456789abcdef.ksk").toStdString(), recoveryBytes(work)));
            QVERIFY(!replaceFile((folder + "/window-0123456789abcdef.path").toStdString(), "/jobs/別館.ksk"));
            QVERIFY(!replaceFile((folder + "/window-0123456789abcdef.lock").toStdString(), ""));
        }
        Window w;
        w.host->answers = {true};
        w.window.startRecovery(folder.toStdString(), 60s);
        QCOMPARE(w.host->asked, std::vector<std::string>{kRecoveryQuestion});
        QCOMPARE(QString::fromStdString(w.form().Edit1), QString::fromUtf8("別館"));
        QCOMPARE(w.window.findChild<QLineEdit*>("Edit1")->text(), QString::fromUtf8("別館"));
        QVERIFY(w.window.isWindowModified());
        QVERIFY(w.window.windowTitle().contains(QString::fromUtf8("別館.ksk")));
        QVERIFY2(!w.window.undoHistory().canUndo(), "the restored work is where editing starts");
        QVERIFY(!QFile::exists(folder + "/window-0123456789abcdef.ksk"));
        QCOMPARE(QString::fromStdString(buildingIn(w.copyPath())), QString::fromUtf8("別館"));

        // "保存" asks where, proposing the original file.
        QTest::mouseClick(w.window.findChild<QPushButton*>("Button2"), Qt::LeftButton);
        QCOMPARE(w.host->proposed, std::vector<std::string>{"/jobs/別館.ksk"});
        QVERIFY(w.window.isWindowModified());
    }

    void aCommandThatThrowsIsReportedAndTheWindowGoesOn()
    {
        Window w;
        // Something other than a conversion error, from deep inside "保存".
        w.host->fileDialogFails = true;
        QTest::mouseClick(w.window.findChild<QPushButton*>("Button2"), Qt::LeftButton);
        QCOMPARE(w.host->errors, std::vector<std::string>{"ファイルダイアログを開けません"});
        w.host->fileDialogFails = false;

        // A command of the sheet that runs out of room.
        w.window.runCommand([] { throw std::length_error("vector::_M_default_append"); });
        QCOMPARE(w.host->errors.back(), std::string("vector::_M_default_append"));

        // A year that is no number, converted when the era display changes.
        w.window.findChild<QPushButton*>("Button19")->click();
        w.window.findChild<QRadioButton*>("RadioButton4")->click();
        auto* year = w.window.findChild<QLineEdit*>("Edit3");
        year->selectAll();
        QTest::keyClicks(year, "abc");
        w.window.findChild<QRadioButton*>("RadioButton3")->click();
        QCOMPARE(w.host->errors.size(), std::size_t{3});

        // Still working: a command after the errors runs.
        w.window.runCommand([&] { w.form().Edit1 = "after"; });
        QCOMPARE(w.window.findChild<QLineEdit*>("Edit1")->text(), QString("after"));
    }
};

QTEST_MAIN(MainWindowRecoveryTest)
#include "main_window_recovery_test.moc"
