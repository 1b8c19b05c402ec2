// The entry forms on screen, driven as a user drives them: from a
// double-click on an empty sheet row through the feeder form, the cable
// window, the keypad and the calculator to the rows written into the sheet.
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

#include "app/dispatch.h"
#include "app/forms.h"
#include "dialogs_script.h"
#include "sheet/tree_marks.h"

using namespace tolvane;
using namespace tolvane::test;

namespace {

constexpr std::string_view kCvtFamily = "600V CVD、600V CVT及びEM 600V CED/F、EM 600V CET/F";

struct Fixture {
    DialogHost host;
    Forms forms{&host};
    Fixture()
    {
        forms.mainWindowShown();
        forms.form1.uy1 = 0;  // an empty row
        forms.form1.ux1 = 2;
    }
    const std::string& cell(int column, int row = 0) const { return forms.form1.StringGrid1.cell(column, row); }
};

}  // namespace

class DialogsEntryTest : public QObject {
    Q_OBJECT
private slots:
    void singleFeederIsRecordedFromAnEmptyRow()
    {
        Fixture f;
        Script script;
        bool entryShownWhileChoosing = true;
        script.when("TForm2", [](QWidget* d) {
            QVERIFY(child<QWidget>(d, "SingleArea")->isVisible());
            choose(d, "ComboBox5", "30");
            type(d, "Edit7", "動力盤");
            // Choosing a cable-rack method opens the cable window at once.
            choose(d, "ComboBox14", "ｹｰﾌﾞﾙﾗｯｸ配線(蓋付)");
        });
        script.when("Tdensen", [&](QWidget* d) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == "TForm2") entryShownWhileChoosing = w->isVisible();
            // Only the in-conduit laying condition belongs to the covered rack.
            QVERIFY(child<QRadioButton>(d, "RadioButton9")->isVisible());
            QVERIFY(child<QRadioButton>(d, "RadioButton9")->isChecked());
            QVERIFY(!child<QRadioButton>(d, "RadioButton8")->isVisible());
            QVERIFY(child<QWidget>(d, "Panel1")->isVisible());
            choose(d, "ComboBox11", kCvtFamily);
            doubleClickSize(d, "38゜");
        });
        script.when("TForm2", [](QWidget* d) {
            QCOMPARE(textOf(d, "Label58"), q("※[ 保護管配線 ]"));
            QCOMPARE(textOf(d, "Edit8"), q("CV-T38゜"));
            QCOMPARE(textOf(d, "Edit9"), q("110"));
            QCOMPARE(textOf(d, "Edit10"), q("0.631"));
            click(d, "Button4");
        });
        script.start();
        StringGrid1DblClick(f.forms);

        QVERIFY(script.done());
        // The entry form was out of sight while the cable was chosen, and
        // came back (the last step ran in it).
        QVERIFY(!entryShownWhileChoosing);
        QVERIFY2(f.host.messages.empty(), f.host.messages.empty() ? "" : f.host.messages.front().c_str());
        QCOMPARE(f.forms.form1.patan, 1);
        QCOMPARE(f.cell(col::Mark), std::string(mark::Single));
        QCOMPARE(f.cell(col::Length), std::string("30"));
        QCOMPARE(f.cell(col::LoadName), std::string("動力盤"));
        QCOMPARE(f.cell(col::Cable), std::string("CV-T38゜"));
        QCOMPARE(f.cell(col::Method), std::string("[ｹｰﾌﾞﾙﾗｯｸ配線]"));
        QCOMPARE(f.cell(col::SubMethod), std::string("保護管配線"));
        QCOMPARE(f.cell(col::Allowable), std::string("110"));
        QCOMPARE(f.cell(col::Impedance), std::string("0.631"));
        QCOMPARE(f.cell(col::Drop), std::string("0.95"));
        QCOMPARE(f.cell(col::AllowableDrop), std::string("3"));
        QCOMPARE(f.cell(col::Size), std::string("38"));
    }

    void sizingButtonFillsTheFeederFormAsTheCableWindowWould()
    {
        Fixture f;
        Script script;
        // 50 A over 50 m at 100 V: CV-T 8゜ and 14゜ drop more than 3 V, 22゜ 2.66 V.
        script.when("TForm2", [](QWidget* d) {
            click(d, "Button18");
            QCOMPARE(textOf(d, "Edit8"), q("CV-T22゜"));
            QCOMPARE(textOf(d, "Edit9"), q("110"));
            QCOMPARE(textOf(d, "Label60"), q("2.66"));
            click(d, "Button4");
        });
        script.start();
        StringGrid1DblClick(f.forms);
        QVERIFY(script.done());
        QVERIFY(f.host.messages.empty());
        QCOMPARE(f.cell(col::Cable), std::string("CV-T22゜"));
        QCOMPARE(f.cell(col::Size), std::string("22"));
    }

    void typedInputsRecomputeTheImpedanceAndDropThatAreWritten()
    {
        Fixture f;
        Script script;
        QString impedance, drop;
        script.when("TForm2", [&](QWidget* d) {
            click(d, "Button18");  // a cable chosen: CV-T22゜, 2.66 V
            const QString z0 = textOf(d, "Edit10"), e0 = textOf(d, "Label60");
            type(d, "Edit4", "0.8");
            QTest::keyClick(child<QWidget>(d, "Edit4"), Qt::Key_Tab);
            QVERIFY(textOf(d, "Edit10") != z0);
            QVERIFY(textOf(d, "Label60") != e0);
            const QString e1 = textOf(d, "Label60");
            QLineEdit* length = typeInList(d, "ComboBox5", "40");
            QTest::keyClick(length, Qt::Key_Tab);  // left without Enter
            QVERIFY(textOf(d, "Label60") != e1);
            impedance = textOf(d, "Edit10");
            drop = textOf(d, "Label60");
            click(d, "Button4");
        });
        script.start();
        StringGrid1DblClick(f.forms);
        QVERIFY(script.done());
        QCOMPARE(f.cell(col::PowerFactor), std::string("0.8"));
        QCOMPARE(f.cell(col::Length), std::string("40"));
        QCOMPARE(q(f.cell(col::Impedance)), impedance);
        QCOMPARE(q(f.cell(col::Drop)), drop);
    }

    void dwellingFeederOfTwoSystemsIsGeneratedFromAnEmptyRow()
    {
        Fixture f;
        Script script;
        script.when("TForm2", [](QWidget* d) {
            click(d, "Button1");
            QVERIFY(child<QWidget>(d, "DwellingArea")->isVisible());
            QVERIFY(!child<QWidget>(d, "SingleArea")->isVisible());
            QVERIFY(!child<QWidget>(d, "Edit3")->isEnabled());
            click(d, "RadioButton4");
            QVERIFY(child<QWidget>(d, "ComboBox17")->isVisible());
            choose(d, "ComboBox1", "3");
            choose(d, "ComboBox17", "2");
            // Five dwellings of 50 A: the trunk carries 250 A behind a 250 A breaker.
            QCOMPARE(textOf(d, "Edit3"), q("250"));
            QCOMPARE(textOf(d, "ComboBox9"), q("250"));
            click(d, "Button11");
        });
        script.when("Tdensen", [](QWidget* d) {
            choose(d, "ComboBox11", kCvtFamily);
            doubleClickSize(d, "150゜");
        });
        script.when("TForm2", [](QWidget* d) {
            QCOMPARE(textOf(d, "Edit9"), q("380"));
            QCOMPARE(textOf(d, "Label60"), q("2.30"));
            click(d, "Button4");
        });
        script.start();
        StringGrid1DblClick(f.forms);

        QVERIFY(script.done());
        QVERIFY2(f.host.messages.empty(), f.host.messages.empty() ? "" : f.host.messages.front().c_str());
        QCOMPARE(f.forms.form1.patan, 2);
        QCOMPARE(f.forms.form1.keitou, 2);
        QCOMPARE(f.cell(col::Mark), std::string(mark::Head));
        QCOMPARE(f.cell(col::Breaker), std::string("250"));
        QCOMPARE(f.cell(col::Cable), std::string("CV-T150゜"));
        int branches = 0, secondSystem = 0;
        for (int r = 1; r < f.forms.form1.StringGrid1.rowCount(); ++r) {
            const std::string& m = f.cell(col::Mark, r);
            if (isBranchMark(m)) ++branches;
            if (m == mark::Branch1 || m == mark::Last1) ++secondSystem;
        }
        QCOMPARE(branches, 5);
        QVERIFY(secondSystem > 0);
    }

    void keypadAndCalculatorHandTheirValuesToTheFeederForm()
    {
        Fixture f;
        Script script;
        script.when("TForm2", [](QWidget* d) { click(d, "Button15"); });
        script.when("TForm3", [](QWidget* d) {
            QVERIFY(d->windowFlags() & Qt::WindowStaysOnTopHint);
            for (const char* key : {"Button1", "Button2", "Button11", "Button5", "Button11"}) click(d, key);
            QCOMPARE(textOf(d, "Edit1"), q("12.5"));
            click(d, "Button14");
        });
        script.when("TForm2", [](QWidget* d) {
            QCOMPARE(textOf(d, "ComboBox5"), q("12.5"));
            click(d, "Button15");
        });
        // Esc closes the keypad as "キャンセル" does: the length stays.
        script.when("TForm3", [](QWidget* d) {
            click(d, "Button7");
            QTest::keyClick(d, Qt::Key_Escape);
        });
        script.when("TForm2", [](QWidget* d) {
            QCOMPARE(textOf(d, "ComboBox5"), q("12.5"));
            click(d, "Button15");
        });
        // The keyboard works the keypad: digits and the point into the
        // display, Backspace, letters ignored, Enter for "登録".
        script.when("TForm3", [](QWidget* d) {
            QWidget* display = child<QWidget>(d, "Edit1");
            QTest::keyClicks(display, "12.5x");
            QTest::keyClick(display, Qt::Key_Backspace);
            QTest::keyClick(d, Qt::Key_7);
            QCOMPARE(textOf(d, "Edit1"), q("12.7"));
            QTest::keyClick(d, Qt::Key_Enter, Qt::KeypadModifier);
        });
        script.when("TForm2", [](QWidget* d) {
            QCOMPARE(textOf(d, "ComboBox5"), q("12.7"));
            click(d, "Button2");
        });
        script.when("TForm5", [](QWidget* d) {
            QCOMPARE(textOf(d, "Button65"), q("電力値の入力"));
            // Opened on the feeder's system: single-phase, 200 V of "100/200".
            QVERIFY(child<QRadioButton>(d, "RadioButton28")->isChecked());
            QCOMPARE(textOf(d, "ComboBox9"), q("200"));
            choose(d, "ComboBox9", "100");
            click(d, "Button53");  // "2" kW
            click(d, "Button65");
            QCOMPARE(textOf(d, "Label145"), q("25.00"));
            QCOMPARE(textOf(d, "Label146"), q("A"));
            // Every change of the inputs shows its result at once.
            click(d, "RadioButton29");
            QCOMPARE(textOf(d, "Label145"), q("14.43"));
            choose(d, "ComboBox9", "0");
            QCOMPARE(textOf(d, "Label148"), q("電圧は0より大きい数値を入力してください"));
            choose(d, "ComboBox9", "100");
            click(d, "RadioButton28");
            QCOMPARE(textOf(d, "Label148"), QString());
            // In the ready state the keys do nothing.
            click(d, "Button52");
            QCOMPARE(textOf(d, "Label145"), q("25.00"));
            click(d, "Button1");
        });
        script.when("TForm2", [](QWidget* d) {
            QCOMPARE(textOf(d, "Edit5"), q("25"));
            QCOMPARE(textOf(d, "Label40"), q("計算電流値:25 A"));
            QCOMPARE(textOf(d, "ComboBox4"), q("30"));
            click(d, "Button5");
        });
        script.start();
        StringGrid1DblClick(f.forms);

        QVERIFY(script.done());
        // The cancelled keypad left the length: nothing is missing.
        QVERIFY(std::find(f.host.messages.begin(), f.host.messages.end(), "幹線の亘長を入力してください") ==
                f.host.messages.end());
        // "キャンセル": nothing is written.
        QCOMPARE(f.forms.form1.patan, 0);
        QCOMPARE(f.cell(col::Mark), std::string());
    }

    void branchRowsAreWrittenFromTheBranchForm()
    {
        Fixture f;
        // A recorded dwelling feeder of one system with five dwellings.
        TForm2& feeder = f.forms.form2;
        feeder.Button1Click();
        feeder.Edit8 = "CV-T150゜";
        feeder.Edit9 = "380";
        feeder.Edit10 = "0.184";
        Script record;
        record.when("TForm2", [](QWidget* d) { click(d, "Button4"); });
        record.start();
        StringGrid1DblClick(f.forms);
        QVERIFY(record.done());
        QCOMPARE(f.cell(col::Mark), std::string(mark::Head));

        std::vector<int> branchRows;
        for (int r = 1; r < f.forms.form1.StringGrid1.rowCount(); ++r)
            if (isBranchMark(f.cell(col::Mark, r))) branchRows.push_back(r);
        QCOMPARE(branchRows.size(), std::size_t(5));
        f.forms.form1.uy1 = branchRows.front();
        f.forms.form1.ux1 = 7;

        Script script;
        script.when("TForm4", [&](QWidget* d) {
            // A branch row: no feeder breaker field, the row's own tree mark.
            QVERIFY(!child<QWidget>(d, "Edit8")->isVisible());
            QCOMPARE(textOf(d, "Edit4"), q(f.cell(col::Mark, branchRows.front())));
            type(d, "Edit5", "A");
            choose(d, "ComboBox1", "3");
            choose(d, "ComboBox2", "階");
            click(d, "CheckBox1");
            click(d, "Button11");
        });
        script.when("Tdensen", [](QWidget* d) {
            choose(d, "ComboBox11", kCvtFamily);
            doubleClickSize(d, "14゜");
        });
        script.when("TForm4", [](QWidget* d) {
            QCOMPARE(textOf(d, "Edit10"), q("CV-T14゜"));
            QVERIFY(textOf(d, "Edit12") != q("Z"));
            click(d, "Button4");
        });
        script.start();
        StringGrid1DblClick(f.forms);

        QVERIFY(script.done());
        QVERIFY2(f.host.messages.empty(), f.host.messages.empty() ? "" : f.host.messages.front().c_str());
        // Every branch row from the edited one on takes the data, numbered from 3.
        for (std::size_t i = 0; i < branchRows.size(); ++i) {
            QCOMPARE(f.cell(col::LoadName, branchRows[i]), "A" + std::to_string(3 + i) + "階");
            QCOMPARE(f.cell(col::Cable, branchRows[i]), std::string("CV-T14゜"));
        }
    }

    void cableWindowWorksByKeyboard()
    {
        Fixture f;
        Script script;
        script.when("TForm2", [](QWidget* d) {
            type(d, "Edit5", "15");
            choose(d, "ComboBox14", "保護管配線");
        });
        script.when("Tdensen", [](QWidget* d) {
            choose(d, "ComboBox11", "IV（2本（密着）及び3本俵積）");
            // IV wire shows the conduit panel in place of the laying panel.
            QVERIFY(child<QWidget>(d, "Panel3")->isVisible());
            QVERIFY(!child<QWidget>(d, "Panel5")->isVisible());
            click(d, "RadioButton2");  // ４本
            QVERIFY(child<QRadioButton>(d, "RadioButton2")->isChecked());
            QVERIFY(!child<QRadioButton>(d, "RadioButton1")->isChecked());
            // Down past the two heading rows to the second size, Enter takes it.
            auto* grid = child<QTableWidget>(d, "StringGrid7");
            grid->setFocus();
            grid->setCurrentCell(0, 0);
            for (int i = 0; i < 3; ++i) QTest::keyClick(grid, Qt::Key_Down);
            QCOMPARE(textOf(d, "Edit10"), q("2.0mm"));
            QTest::keyClick(grid, Qt::Key_Return);
        });
        script.when("TForm2", [](QWidget* d) {
            QCOMPARE(textOf(d, "Edit8"), q("IV2.0mm"));
            // 24 A of the table for four wires: 24 × 0.63 / 0.7 = 21.6.
            QCOMPARE(textOf(d, "Edit9"), q("22"));
            click(d, "Button5");
        });
        script.start();
        StringGrid1DblClick(f.forms);
        QVERIFY(script.done());
    }

    // A family and a temperature typed without Enter count as chosen: the
    // hand-back is that of the family and temperature shown.
    void typedFamilyAndTemperatureTakeEffectWithoutEnter()
    {
        Fixture f;
        Script script;
        script.when("TForm2", [](QWidget* d) {
            type(d, "Edit5", "15");
            choose(d, "ComboBox14", "保護管配線");
        });
        script.when("Tdensen", [](QWidget* d) {
            choose(d, "ComboBox11", "600V CV及びEM 600V CE/F単心 S＝俵積み");
            typeInList(d, "ComboBox11", "600V CV及びEM 600V CE/F 2心、3心一括シース");
            typeInList(d, "ComboBox2", "30");
            doubleClickSize(d, "38゜");
        });
        script.when("TForm2", [&f](QWidget* d) {
            QCOMPARE(textOf(d, "Edit8"), q("CV38゜"));
            QCOMPARE(f.forms.form2.Label56, std::string("0.627"));
            QCOMPARE(f.forms.form2.Label57, std::string("0.0925"));
            QCOMPARE(textOf(d, "Edit9"), q("120"));
            click(d, "Button5");
        });
        script.start();
        StringGrid1DblClick(f.forms);
        QVERIFY(script.done());
    }

    void cancelledChoicesLeaveTheFormAndTheSheetAlone()
    {
        Fixture f;
        Script script;
        script.when("TForm2", [](QWidget* d) { click(d, "Button11"); });
        // The cable window's close key: no cable is handed back.
        script.when("Tdensen", [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); });
        script.when("TForm2", [](QWidget* d) {
            QCOMPARE(textOf(d, "Edit10"), q("Z"));
            // Recording without a cable is refused and the form stays open.
            click(d, "Button4");
            QVERIFY(d->isVisible());
            QTest::keyClick(d, Qt::Key_Escape);
        });
        script.start();
        StringGrid1DblClick(f.forms);

        QVERIFY(script.done());
        QCOMPARE(f.host.messages, std::vector<std::string>{"電線・ケーブルを選択してください"});
        QCOMPARE(f.forms.form1.patan, 0);
        QCOMPARE(f.cell(col::Mark), std::string());
    }
};

QTEST_MAIN(DialogsEntryTest)
#include "dialogs_entry_test.moc"
