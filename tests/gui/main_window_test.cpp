#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "app/forms.h"
#include "gui/main_window.h"

using namespace tolvane;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheSheetWithItsColumnsAndCaption()
    {
        Forms forms;
        TForm1& form = forms.form1;
        form.today = [] { return CivilDate{2026, 12, 9}; };
        gui::MainWindow window(forms);
        form.FormCreate("/nonexistent/tolvane", {}, 1920, 1080);
        window.resize(1584, 798);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QVERIFY(window.windowTitle().startsWith(QString::fromUtf8("Tolvane　Ver2.05")));
        QTableView* view = window.sheetView();
        QCOMPARE(view->model()->rowCount(), 108);
        QCOMPARE(view->model()->columnCount(), 35);
        QCOMPARE(view->columnWidth(col::Name), 87);
        QCOMPARE(view->columnWidth(col::Impedance), 103);
        QVERIFY(view->isColumnHidden(col::CumLength));
        QVERIFY(view->isColumnHidden(col::FeederNo));
        QVERIFY(!view->isColumnHidden(col::SubMethod));
        QCOMPARE(view->columnWidth(col::Judgement), 1564 - 1350);
        QCOMPARE(view->rowHeight(5), 24);
        QCOMPARE(view->width(), 1564);

        // First showing: counters set, focus on "判定の確認", era label from TODAY.
        QCOMPARE(form.kansenno, 1);
        auto* check = window.findChild<QPushButton*>("Button25");
        QVERIFY(check);
        QCOMPARE(check->text(), QString::fromUtf8("判定の確認"));
        QCOMPARE(window.findChild<QLabel*>("Label56")->text(), QString::fromUtf8("令和"));

        // The judgement column follows the window's width.
        window.resize(1400, 700);
        QCOMPARE(view->columnWidth(col::Judgement), 1380 - 1350);
    }

    void topBarCarriesEveryCommandCaption()
    {
        Forms forms;
        gui::MainWindow window(forms);
        const char* buttons[][2] = {{"Button1", "開く"},      {"Button2", "保存"},
                                    {"Button24", "印刷"},     {"Button19", "設定"},
                                    {"Button3", "クリッボードコピー"}, {"Button25", "判定の確認"},
                                    {"Button124", "TODAY"},   {"Button16", "エクセル変換"}};
        for (auto& b : buttons) {
            auto* button = window.findChild<QPushButton*>(b[0]);
            QVERIFY2(button, b[0]);
            QCOMPARE(button->text(), QString::fromUtf8(b[1]));
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
