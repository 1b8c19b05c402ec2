#include "gui/dialogs/dialog_tour.h"

#include <QDir>
#include <QEventLoop>
#include <QPixmap>
#include <QTimer>

#include "app/forms.h"
#include "cables/impedance.h"
#include "gui/dialogs/branch_form_dialog.h"
#include "gui/dialogs/cable_window_dialog.h"
#include "gui/dialogs/calculator_dialog.h"
#include "gui/dialogs/feeder_form_dialog.h"
#include "gui/dialogs/keypad_dialog.h"
#include "host/quiet_host.h"
#include "sheet/tree_marks.h"

namespace tolvane::gui {

namespace {

// Shows the dialog without a modal loop, saves its picture and closes it.
void shoot(FormDialog& dialog, const QString& directory, const char* name)
{
    dialog.refresh();
    dialog.show();
    settle(150);
    dialog.refresh();
    dialog.grab().save(QDir(directory).filePath(QString::fromUtf8(name) + ".png"));
    dialog.hide();
}

void pickCable(Tdensen& densen, int family, std::string_view method, std::string_view size)
{
    densen.FormActivate(CableCaller{1, std::string(method), "H=600", "単相3線", 60});
    densen.ComboBox11 = std::string(FamilyName(family));
    densen.ComboBox11Change();
    densen.clickSizeRow(densen.sizeRow(size));
}

}  // namespace

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void saveDialogScreenshots(QWidget* parent, const QString& directory)
{
    QDir().mkpath(directory);
    QuietHost host;
    Forms forms(&host);
    forms.mainWindowShown();

    // Feeder form: a single feeder with a chosen cable, then a dwelling
    // feeder of one and of two systems.
    TForm2& f2 = forms.form2;
    f2.Edit8 = "CV-T38゜";
    f2.Edit9 = "155";
    f2.Edit10 = "0.643";
    f2.Edit7 = "動力盤";
    forms.form1.StringGrid1.setCell(8, 0, "50");  // the row has a main device
    f2.FormShow();
    f2.Button6Click();
    f2.Button10Click();
    {
        FeederFormDialog d(parent, host, f2);
        shoot(d, directory, "feeder_form_single");
        f2.Button1Click();
        f2.RadioButton3Click();
        shoot(d, directory, "feeder_form_dwelling_1");
        f2.RadioButton4Click();
        shoot(d, directory, "feeder_form_dwelling_2");
        f2.ComboBox14 = "地中保護管配線";
        f2.ComboBox14Change();
        f2.RadioButton3Click();
        f2.Button6Click();
        shoot(d, directory, "feeder_form_buried");
    }

    // Branch form for each kind of row.
    TForm4& f4 = forms.form4;
    f4.Edit1 = "L2";
    f4.Edit2 = "単相3線";
    f4.Edit3 = "100/200";
    f4.Edit8 = "250";
    f4.Edit7 = "100";
    f4.Edit5 = "101号室";
    f4.Edit10 = "CV 14゜-3C";
    f4.Edit11 = "74";
    f4.Edit12 = "1.370";
    f4.Label10 = "50";
    const std::pair<std::string_view, const char*> rows[] = {
        {mark::Head, "branch_form_head"},
        {mark::Point, "branch_form_branch_point"},
        {mark::Segment, "branch_form_segment"},
        {mark::Branch, "branch_form_branch"},
    };
    {
        BranchFormDialog d(parent, host, f4);
        for (auto [treeMark, name] : rows) {
            f4.Edit4 = std::string(treeMark);
            f4.FormShow();
            shoot(d, directory, name);
        }
        f4.Edit4 = std::string(mark::Segment);
        f4.firstSegmentMark = true;
        f4.FormShow();
        shoot(d, directory, "branch_form_second_system_segment");
    }

    // Cable window: a CV family on a cable rack, IV wire in conduit.
    Tdensen& densen = forms.densen;
    {
        pickCable(densen, 3, "ｹｰﾌﾞﾙﾗｯｸ配線(気中)", "38゜");
        densen.ComboBox5 = "1";
        densen.ComboBox6 = "S=d";
        densen.ComboBox5Click();
        densen.ComboBox4 = "2";
        densen.ComboBox4Click();
        densen.clickSizeRow(densen.sizeRow("38゜"));
        CableWindowDialog d(parent, host, densen);
        shoot(d, directory, "cable_window_cv");
        pickCable(densen, 7, "保護管配線", "5.5゜");
        shoot(d, directory, "cable_window_iv");
    }

    // Keypad with a number typed.
    TForm3& keypad = forms.form3;
    keypad.FormShow();
    for (auto key : {"1", "2", ".", "5"}) keypad.press(key);
    {
        KeypadDialog d(parent, keypad);
        shoot(d, directory, "keypad");
    }

    // Calculator: a current from 2 kW, then a power from 30 A.
    TForm5& calc = forms.form5;
    calc.FormShow();
    calc.pressKey("2");
    calc.Button65Click();
    {
        CalculatorDialog d(parent, host, calc);
        shoot(d, directory, "calculator_current");
        calc.TabControl3 = 0;
        calc.TabControl3Change();
        calc.pressKey("3");
        calc.pressKey("0");
        calc.ComboBox10 = "100";
        calc.Button65Click();
        shoot(d, directory, "calculator_power");
        // A voltage of 0 V gives no current: the reason shows under the display.
        calc.TabControl3 = 1;
        calc.TabControl3Change();
        calc.pressKey("5");
        calc.Button65Click();
        calc.ComboBox9 = "0";
        calc.ComboBox9Change();
        shoot(d, directory, "calculator_no_result");
        calc.ComboBox9 = "100";
        calc.FormShow();
    }
}

}  // namespace tolvane::gui
