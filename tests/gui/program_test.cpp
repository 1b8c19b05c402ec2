// What the program settles before its window opens: the command line, Qt's
// own dialogs in Japanese, the buttons of the message boxes and the faces
// that stand in for the program's font names.
#include <QFileDialog>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "gui/print/fonts.h"
#include "gui/program.h"
#include "app/tform1.h"
#include "gui/qt_host.h"
#include "when_modal_opens.h"

using namespace tolvane;
using gui::CommandLine;

class ProgramTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(gui::setUpApplication(*qApp), "Qt's Japanese translations are installed");
        QVERIFY(!QApplication::windowIcon().isNull());
        QCOMPARE(QGuiApplication::desktopFileName(), QString("tolvane"));
    }

    void commandLineTakesOneSheetAndRefusesUnknownOptions()
    {
        const struct {
            QStringList args;
            CommandLine::Action action;
            QString file, screenshots, error;
        } cases[] = {
            {{}, CommandLine::Run, "", "", ""},
            {{"a.ksk"}, CommandLine::Run, "a.ksk", "", ""},
            {{"a.ksk", "b.ksk"}, CommandLine::Run, "a.ksk", "", ""},  // the first file is the sheet
            {{"-h"}, CommandLine::Help, "", "", ""},
            {{"a.ksk", "--bogus", "--help"}, CommandLine::Help, "", "", ""},  // help wins over anything
            {{"--version", "a.ksk"}, CommandLine::Version, "", "", ""},
            {{"--bogus", "a.ksk"}, CommandLine::Refuse, "", "", "--bogus"},
            {{"-x"}, CommandLine::Refuse, "", "", "-x"},
            {{"--", "-odd.ksk"}, CommandLine::Run, "-odd.ksk", "", ""},
            {{"--", "--help"}, CommandLine::Run, "--help", "", ""},
            {{"--screenshots", "out", "a.ksk"}, CommandLine::Run, "a.ksk", "out", ""},
            {{"--screenshots"}, CommandLine::Refuse, "", "", "--screenshots"},
        };
        for (const auto& c : cases) {
            const CommandLine line = gui::readCommandLine(c.args);
            const QString what = c.args.join(' ');
            QVERIFY2(line.action == c.action, qPrintable(what));
            if (c.action != CommandLine::Run && c.action != CommandLine::Refuse) continue;
            QCOMPARE(line.file, c.file);
            QCOMPARE(line.screenshotDir, c.screenshots);
            QVERIFY2(line.error.contains(c.error), qPrintable(what + ": " + line.error));
        }
    }

    void qtsOwnDialogsSpeakJapanese()
    {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8("キャンセル"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"), QString::fromUtf8("ファイル名(&N):"));
    }

    void noticesAnswerAsTheProgramSaysAndQuestionsAskYesOrNo()
    {
        gui::QtHost host(nullptr);
        QStringList buttons;
        auto answer = [&](QMessageBox::StandardButton press) {
            buttons.clear();
            test::whenModalOpens([&buttons, press](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                QVERIFY(box);
                for (QAbstractButton* b : box->buttons()) buttons << b->text();
                box->button(press)->click();
            });
        };
        answer(QMessageBox::Yes);
        host.informYes("電線・ケーブルを選択してください");
        QCOMPARE(buttons, QStringList{QString::fromUtf8("はい(&Y)")});
        answer(QMessageBox::Yes);
        host.warnYes("判定の報告");
        QCOMPARE(buttons, QStringList{QString::fromUtf8("はい(&Y)")});
        answer(QMessageBox::Ok);
        host.inform("判定は良好です。");
        QCOMPARE(buttons, QStringList{"OK"});
        answer(QMessageBox::No);
        QVERIFY(!host.ask("保存されていない変更があります。終了してよろしいですか？"));
        buttons.sort();
        QCOMPARE(buttons, (QStringList{QString::fromUtf8("いいえ(&N)"), QString::fromUtf8("はい(&Y)")}));

        // Unsaved work: three answers, each button giving its own.
        const struct {
            QMessageBox::StandardButton press;
            UnsavedWork answer;
        } unsaved[] = {{QMessageBox::Save, UnsavedWork::Save},
                       {QMessageBox::Discard, UnsavedWork::Discard},
                       {QMessageBox::Cancel, UnsavedWork::Cancel}};
        for (const auto& u : unsaved) {
            answer(u.press);
            QVERIFY(host.askUnsavedWork(kUnsavedWorkQuestion) == u.answer);
            buttons.sort();
            QCOMPARE(buttons, (QStringList{QString::fromUtf8("キャンセル"), QString::fromUtf8("保存(&S)"),
                                           QString::fromUtf8("保存しない(&N)")}));
        }
    }

    void installedFacesStandInForTheProgramsFontNames()
    {
        const QString screen = QFontInfo(print::minchoFont(13)).family();
        QVERIFY2(screen == "IPAPMincho" || screen == QString::fromUtf8("IPA P明朝"), qPrintable(screen));
        print::installFontStandIns();
        const QString paper = QFontInfo(QFont(QString::fromUtf8("ＭＳ 明朝"))).family();
        QVERIFY2(paper == "IPAMincho" || paper == QString::fromUtf8("IPA明朝"), qPrintable(paper));
        const QString caption = QFontInfo(print::captionFont(11)).family();
        QVERIFY2(caption == "IPAGothic" || caption == QString::fromUtf8("IPAゴシック"), qPrintable(caption));
    }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
