// A whole edit on screen, as a user makes it: a double-click on an empty row
// of the main window's sheet opens the feeder form over the window, a cable is
// picked in the cable window and "登録" writes the feeder into the sheet.
#include <QTableView>
#include <QtTest>

#include "app/forms.h"
#include "dialogs_script.h"
#include "gui/main_window.h"
#include "sheet/tree_marks.h"

using namespace tolvane;
using namespace tolvane::test;

class DialogsMainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void doubleClickOnAnEmptyRowRecordsASingleFeeder()
    {
        Forms forms;
        gui::MainWindow window(forms);
        forms.form1.FormCreate("/nonexistent/tolvane", {}, 1920, 1080);
        window.resize(1584, 798);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        Script script;
        QPoint windowCentre, cableCentre;
        script.when("TForm2", [](QWidget* d) {
            QCOMPARE(d->size(), QSize(984, 724));
            type(d, "Edit7", "電灯盤");
            click(d, "Button11");
        });
        script.when("Tdensen", [&](QWidget* d) {
            windowCentre = window.frameGeometry().center();
            cableCentre = d->frameGeometry().center();
            choose(d, "ComboBox11", "600V CVD、600V CVT及びEM 600V CED/F、EM 600V CET/F");
            doubleClickSize(d, "38゜");
        });
        script.when("TForm2", [](QWidget* d) { click(d, "Button4"); });
        script.start();

        QTableView* view = window.sheetView();
        const int row = 3;
        QPoint at = view->visualRect(view->model()->index(row, col::LoadName)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);

        QVERIFY(script.done());
        // The cable window opened centred on the main window.
        QVERIFY((windowCentre - cableCentre).manhattanLength() <= 4);
        const Sheet& sheet = forms.form1.StringGrid1;
        QCOMPARE(sheet.cell(col::Mark, row), std::string(mark::Single));
        QCOMPARE(sheet.cell(col::LoadName, row), std::string("電灯盤"));
        QCOMPARE(sheet.cell(col::Cable, row), std::string("CV-T38゜"));
        QCOMPARE(sheet.cell(col::Allowable, row), std::string("155"));
        // The window shows what was written.
        QCOMPARE(view->model()->index(row, col::Cable).data().toString(), q("CV-T38゜"));
    }
};

QTEST_MAIN(DialogsMainWindowTest)
#include "dialogs_main_window_test.moc"
