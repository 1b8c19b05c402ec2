// The short-circuit window on screen: its fields and buttons reach the model,
// a refused bank leaves the cursor on its field, failures are red, the grid's
// Icu and bank cells are edited in lists; opened from the main window, each
// change is an undo step of the main window.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTableView>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/forms.h"
#include "app/undo_history.h"
#include "dialogs_script.h"
#include "gui/dialogs/short_circuit_dialog.h"
#include "gui/auto_recovery.h"
#include "gui/main_window.h"
#include "shortcircuit/tform7.h"
#include "shown_window.h"
#include "when_modal_opens.h"

using namespace tolvane;
using namespace tolvane::test;

namespace {

const std::string kTwoBanks = std::string(TOLVANE_TEST_DATA) + "/shortcircuit/two_banks.ksk";

// Answers the file dialogs with one file name.
struct SavingHost : DialogHost {
    std::string file;
    std::vector<std::string> proposed;
    std::optional<std::string> chooseFile(FileDialog, std::string_view name) override
    {
        proposed.emplace_back(name);
        return file;
    }
};

// The line of the grid that shows a sheet row.
int lineOf(const TForm7& form, int row)
{
    for (std::size_t i = 0; i < form.StringGrid1.size(); ++i)
        if (form.StringGrid1[i].row == row) return static_cast<int>(i);
    return -1;
}

// Opens the list editor of a grid cell, puts `text` into it, presses Enter
// and waits until the sheet's cell holds it.
void editCell(QTableWidget* grid, int line, int column, const QString& text, const TForm1& main, int row,
              int sheetColumn, const std::string& stored)
{
    grid->setFocus();
    grid->setCurrentCell(line, column);
    grid->edit(grid->model()->index(line, column));
    auto* editor = qobject_cast<QComboBox*>(QApplication::focusWidget());
    if (!editor) editor = grid->findChild<QComboBox*>();
    QVERIFY(editor);
    if (editor->isEditable()) {
        editor->lineEdit()->selectAll();
        typeText(editor->lineEdit(), text);
    } else {
        editor->setCurrentIndex(editor->findText(text));
    }
    QTest::keyClick(editor, Qt::Key_Return);
    // The change is handled once the editor has closed.
    QTRY_COMPARE(QString::fromStdString(main.StringGrid1.cell(sheetColumn, row)), QString::fromStdString(stored));
}

}  // namespace

class ShortCircuitWindowTest : public QObject {
    Q_OBJECT
private slots:
    void fieldsButtonsAndGridReachTheDocument()
    {
        SavingHost host;
        TForm1 main;
        main.host = &host;
        QVERIFY(!main.loadSheetFile(kTwoBanks));
        TForm7 form(main);
        UndoHistory undo;
        form.commit = [&](const std::function<void()>& change) { undo.run(main, change); };
        form.host = &host;
        form.FormShow();
        gui::ShortCircuitDialog dialog(nullptr, host, form);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), q("短絡電流計算"));

        auto* list = child<QListWidget>(&dialog, "ListBox1");
        QCOMPARE(list->count(), 2);

        // A new bank from the fields.
        type(&dialog, "Edit1", "T2");
        child<QComboBox>(&dialog, "ComboBox1")->setCurrentIndex(0);
        emit child<QComboBox>(&dialog, "ComboBox1")->activated(0);
        type(&dialog, "Edit3", "75");
        type(&dialog, "Edit4", "2");
        type(&dialog, "Edit5", "");
        click(&dialog, "Button1");
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->currentRow(), 2);
        QVERIFY(host.messages.empty());
        QCOMPARE(main.supplyConditions.banks[2].phases, BankPhases::Single);
        QCOMPARE(main.supplyConditions.banks[2].kva, std::string("75"));

        // A refused one: the message, and the cursor on the field.
        type(&dialog, "Edit1", "T3");
        type(&dialog, "Edit4", "0");
        click(&dialog, "Button1");
        QCOMPARE(host.messages.size(), std::size_t(1));
        QCOMPARE(host.messages[0], std::string("バンク「T3」の%Zは0より大きい数値を入力してください。"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("Edit4"));
        QCOMPARE(list->count(), 3);

        // Choosing a bank in the list shows its fields.
        list->setCurrentRow(0);
        QCOMPARE(textOf(&dialog, "Edit1"), q("T1"));
        QCOMPARE(textOf(&dialog, "Edit3"), q("500"));
        QVERIFY(child<QPushButton>(&dialog, "Button3")->isEnabled());

        // The grid: a row per sheet row, failures red, the rest in the sheet's navy.
        QTableWidget* grid = dialog.grid();
        QCOMPARE(grid->rowCount(), static_cast<int>(form.StringGrid1.size()));
        const int p2 = lineOf(form, 2);
        QCOMPARE(grid->item(p2, sccol::Judgement)->text(), q("×：ケーブルの短絡耐量不足"));
        QCOMPARE(grid->item(p2, sccol::Judgement)->foreground().color(), QColor(Qt::red));
        QCOMPARE(grid->item(lineOf(form, 0), sccol::Judgement)->foreground().color(), QColor(0, 0, 128));

        // An Icu typed into its list, then the ladder's 30 chosen; a bank from its list.
        const int p1 = lineOf(form, 0);
        editCell(grid, p1, sccol::BreakerIcu, "25", main, 0, col::BreakerIcu, "25");
        QCOMPARE(grid->item(p1, sccol::BreakerIcu)->foreground().color(), QColor(Qt::red));
        editCell(grid, p1, sccol::BreakerIcu, "30", main, 0, col::BreakerIcu, "30");
        QCOMPARE(grid->item(p1, sccol::BreakerIcu)->foreground().color(), QColor(0, 0, 128));
        editCell(grid, p1, sccol::Bank, "T1", main, 0, col::BankName, "T1");
        QCOMPARE(grid->item(p1, sccol::Bank)->text(), q("T1"));

        // A breaking time that is refused stays for mending and keeps the cursor.
        type(&dialog, "Edit9", "20");
        QTest::keyClick(child<QLineEdit>(&dialog, "Edit9"), Qt::Key_Return);
        QCOMPARE(host.messages.back(), std::string("遮断時間[s]は0より大きく10以下の数値を入力してください。"));
        QCOMPARE(main.supplyConditions.breakingTime, std::string("0.02"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("Edit9"));

        // PDF出力 and Excel出力 write the document where the user chose.
        QTemporaryDir dir;
        host.file = dir.filePath("doc").toStdString();
        click(&dialog, "Button6");
        QCOMPARE(host.proposed.back(), std::string("サンプルマンション_短絡電流計算書.pdf"));
        QFile pdf(dir.filePath("doc.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        click(&dialog, "Button7");
        QVERIFY(QFile::exists(dir.filePath("doc.xlsx")));

        // Four changes: the bank, two Icu values, the row's bank.
        int steps = 0;
        while (undo.canUndo()) {
            undo.undo(main);
            ++steps;
        }
        QCOMPARE(steps, 4);
        dialog.close();
    }

    void openedFromTheMainWindowEachChangeIsAnUndoStep()
    {
        test::ShownWindow shown;
        Forms& forms = shown.forms;
        gui::MainWindow& window = shown.window;
        TForm1& main = forms.form1;
        QVERIFY(!main.loadSheetFile(kTwoBanks));
        window.afterLoad();
        QTemporaryDir dir;
        window.startRecovery(dir.filePath("recovery").toStdString(), std::chrono::milliseconds(50));

        bool opened = false;
        whenModalOpens([&](QWidget* w) {
            opened = w->objectName() == "TForm7";
            auto* dialog = static_cast<gui::ShortCircuitDialog*>(w);
            editCell(dialog->grid(), lineOf(forms.form7, 0), sccol::MainIcu, "7.5", main, 0, col::MainIcu, "7.5");
            click(w, "Button8");
        });
        click(&window, "ButtonShortCircuit");
        QVERIFY(opened);
        QCOMPARE(main.StringGrid1.cell(col::MainIcu, 0), std::string("7.5"));
        QVERIFY(main.modified);
        QVERIFY(window.isWindowModified());
        QVERIFY(window.undoHistory().canUndo());
        // The recovery copy holds the change.
        const std::string copy = window.recovery()->keeper().store().copyPath();
        QTRY_VERIFY([&] {
            TForm1 recovered;
            return !recovered.loadSheetFile(copy) && recovered.StringGrid1.cell(col::MainIcu, 0) == "7.5";
        }());
        window.undoHistory().undo(main);
        QCOMPARE(main.StringGrid1.cell(col::MainIcu, 0), std::string(""));
        QVERIFY(!main.modified);
    }

    void popupMenuOpensTheWindow()
    {
        test::ShownWindow shown;
        Forms& forms = shown.forms;
        gui::MainWindow& window = shown.window;
        QVERIFY(!forms.form1.loadSheetFile(kTwoBanks));
        window.afterLoad();

        QString caption;
        bool opened = false;
        whenModalOpens([&](QWidget* popup) {
            auto* menu = qobject_cast<QMenu*>(popup);
            QVERIFY(menu);
            QAction* item = nullptr;
            for (QAction* a : menu->actions())
                if (a->objectName() == "N16") item = a;
            QVERIFY(item && item->isEnabled());
            caption = item->text();
            menu->close();
            whenModalOpens([&](QWidget* w) {
                opened = w->objectName() == "TForm7";
                w->close();
            });
            item->trigger();
        });
        QTableView* view = window.sheetView();
        const QPoint p = view->visualRect(view->model()->index(0, col::Name)).center();
        QTest::mousePress(view->viewport(), Qt::RightButton, {}, p);
        QTest::mouseRelease(view->viewport(), Qt::RightButton, {}, p);
        QTRY_VERIFY(opened);
        QCOMPARE(caption, q("短絡電流計算"));
    }
};

QTEST_MAIN(ShortCircuitWindowTest)
#include "short_circuit_window_test.moc"
