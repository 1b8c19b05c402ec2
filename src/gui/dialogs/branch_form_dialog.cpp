#include "gui/dialogs/branch_form_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "entry/cable_sizing.h"
#include "entry/tform4.h"
#include "gui/dialogs/drawings.h"
#include "gui/dialogs/entry_parts.h"
#include "gui/form_dialogs.h"

namespace tolvane::gui {

namespace {
constexpr int kWidth = 932;
constexpr int kHeight = 606;

void setPointSize(QWidget* w, int size, bool bold = false)
{
    QFont f = w->font();
    f.setPointSize(size);
    f.setBold(bold);
    w->setFont(f);
}

// Head-row values are shown, not typed: read-only look.
void shownOnly(QLineEdit* e) { e->setStyleSheet("background: #eef2f6;"); }
}  // namespace

BranchFormDialog::BranchFormDialog(QWidget* parent, Host& host, TForm4& form)
    : FormDialog(parent, &host, "TForm4"), m_(form)
{
    setWindowTitle(qs(TForm4::Caption));
    setFixedSize(kWidth, kHeight);

    buildHeader();

    QPushButton* record = button(this, "Button4", TForm4::Button4Caption, at(8, 64, 64, 320), [this] { m_.Button4Click(); });
    setPointSize(record, 14, true);
    record->setStyleSheet("QPushButton#Button4 { background: #ffe8a0; }");

    auto* row = new QFrame(this);
    row->setObjectName("RowArea");
    row->setGeometry(80, 64, 480, 326);
    row->setFrameShape(QFrame::StyledPanel);
    row->setStyleSheet("QFrame#RowArea { background: #f4f8f0; }");
    buildRowArea(row);

    auto* cable = new QGroupBox(this);
    cable->setObjectName("CableArea");
    cable->setGeometry(568, 64, 356, 326);
    buildCableArea(cable);

    buildSupplyArea(*this, this, at(80, 398, 660, 196),
                    {m_.RadioButton1, m_.RadioButton2, m_.RadioButton5, m_.Edit13, "Edit13", m_.Edit7, "Edit7",
                     m_.Label70},
                    {[this] { m_.RadioButton1Click(); }, [this] { m_.RadioButton2Click(); },
                     [this] { m_.RadioButton5Click(); }, [this] { m_.Edit13Change(); }});

    text(this, "備考", at(748, 400, 60, 22));
    QLineEdit* remarks = edit(this, "Edit9", m_.Edit9, at(748, 422, 176, 26));
    clearsOnDoubleClick(remarks, "Edit9");
    QPushButton* cancel = button(this, "Button5", TForm4::Button5Caption, at(748, 538, 176, 56), [this] { m_.Button5Click(); });
    setPointSize(cancel, 12);

    setFocusRequest(&m_.ActiveControl);
    setCloseTest([this] { return m_.closeRequested(); }, [this] { return m_.modalResult == ModalResult::Ok; });
    setCancel([this] { m_.FormClose(); });
    refresh();
}

void BranchFormDialog::clearsOnDoubleClick(QWidget* widget, const char* name)
{
    onDoubleClick(widget, [this, name] { m_.DblClick(name); });
}

void BranchFormDialog::buildHeader()
{
    text(this, "幹線番号", at(10, 6, 70, 20));
    text(this, "又は名称", at(10, 26, 70, 20));
    QLineEdit* name = edit(this, "Edit1", m_.Edit1, at(80, 12, 100, 28));
    clearsOnDoubleClick(name, "Edit1");

    text(this, "電気方式", at(196, 16, 64, 22));
    QLineEdit* system = edit(this, "Edit2", m_.Edit2, at(260, 12, 90, 28));
    shownOnly(system);
    onMousePress(system, [this] { m_.Edit2MouseDown(); });

    text(this, "電圧 [V]", at(364, 16, 64, 22));
    QLineEdit* voltage = edit(this, "Edit3", m_.Edit3, at(428, 12, 80, 28));
    shownOnly(voltage);
    onMousePress(voltage, [this] { m_.Edit3MouseDown(); });

    auto* breaker = new QWidget(this);
    breaker->setGeometry(524, 4, 200, 44);
    text(breaker, "幹線保護用", at(0, 2, 100, 20));
    text(breaker, "遮断器定格電流", at(0, 22, 100, 20));
    QLineEdit* rating = edit(breaker, "Edit8", m_.Edit8, at(104, 8, 70, 28));
    text(breaker, "A", at(178, 8, 16, 28));
    clearsOnDoubleClick(rating, "Edit8");
    bindVisible(breaker, m_.Edit8Visible);

    text(this, " 系　統 ", at(740, 16, 60, 22));
    QLineEdit* mark = edit(this, "Edit4", m_.Edit4, at(800, 12, 120, 28));
    shownOnly(mark);
    onMousePress(mark, [this] { m_.Edit4MouseDown(); });
}

void BranchFormDialog::buildRowArea(QWidget* a)
{
    new Picture(a, at(0, 0, 300, 150), [this](QPainter& p, const QRect& r) {
        paintRowPlace(p, r.adjusted(4, 4, -4, -4), m_.pat);
        if (m_.ConnectorBoxVisible) {
            // The connectors where the branch leaves the trunk.
            for (int i = 0; i < 2; ++i) {
                QRect box(168 + i * 56, 4, 50, 22);
                p.setPen(Qt::black);
                p.setBrush(QColor(0xff, 0xff, 0xe0));
                p.drawRect(box);
                p.drawText(box, Qt::AlignCenter, QString::fromUtf8("接続材"));
            }
        }
    });

    // The length: below the drawing, or beside it on segment and branch-point rows.
    auto* length = new QWidget(a);
    length->setObjectName("LengthBox");
    text(length, "こう長[m]", at(0, 0, 80, 20));
    combo(length, "ComboBox6", m_.ComboBox6, m_.ComboBox6Items, at(0, 20, 70, 26), [this] { m_.ComboBox6Change(); },
          true);
    text(length, "m", at(74, 20, 14, 26));
    button(length, "Button16", TForm4::KeypadButtonCaption, at(92, 20, 80, 26), [this] { m_.Button16Click(); });
    onRefresh([this, length] { length->setGeometry(m_.LengthBesideDrawing ? QRect(300, 40, 176, 50) : QRect(10, 156, 176, 50)); });

    text(a, "負荷名称", at(10, 212, 70, 26));
    QLineEdit* load = edit(a, "Edit5", m_.Edit5, at(80, 212, 150, 26));
    clearsOnDoubleClick(load, "Edit5");
    QComboBox* number = combo(a, "ComboBox1", m_.ComboBox1, m_.ComboBox1Items, at(234, 212, 56, 26));
    clearsOnDoubleClick(number, "ComboBox1");
    onMouseEnter(number, [this] { m_.ComboBox1MouseEnter(); });
    QComboBox* unit = combo(a, "ComboBox2", m_.ComboBox2, m_.ComboBox2Items, at(294, 212, 70, 26));
    clearsOnDoubleClick(unit, "ComboBox2");

    // The main device: its normal place, or a compact place on the first
    // segment of the second system where a branch breaker is entered.
    auto* device = new QWidget(a);
    device->setObjectName("MainDeviceBox");
    text(device, "主幹器具定格電流", at(0, 0, 120, 20));
    QComboBox* main = combo(device, "ComboBox12", m_.ComboBox12, m_.RatingItems, at(0, 20, 70, 26),
                            [this] { m_.ComboBox12Change(); });
    clearsOnDoubleClick(main, "ComboBox12");
    text(device, "A", at(74, 20, 14, 26));
    button(device, "Button1", TForm4::Button1Caption, at(92, 20, 50, 26), [this] { m_.Button1Click(); });
    // The main device's picture, shown while a rating is entered.
    auto* devicePicture = new Picture(device, at(146, 20, 26, 26), [](QPainter& p, const QRect& r) {
        paintBreaker(p, r.adjusted(2, 2, -2, -2));
    });
    bindVisible(devicePicture, m_.MainDevicePictureVisible);
    onRefresh([this, device] { device->setGeometry(m_.MainDeviceCompact ? QRect(300, 96, 176, 50) : QRect(196, 156, 176, 50)); });
    QLabel* hint = text(a, TForm4::Label15Caption, at(10, 300, 460, 20));
    hint->setStyleSheet("color: #c00000;");
    bindVisible(hint, m_.Label15Visible);

    text(a, "設計負荷電流", at(10, 246, 96, 26));
    combo(a, "ComboBox15", m_.ComboBox15, m_.RatingItems, at(106, 246, 70, 26), [this] { m_.ComboBox15Change(); },
          true);
    text(a, "A", at(180, 246, 14, 26));
    text(a, "負荷力率", at(210, 246, 70, 26));
    QLineEdit* pf = edit(a, "Edit6", m_.Edit6, at(280, 246, 60, 26));
    onEdited(pf, [this] { m_.Edit6Change(); });
    clearsOnDoubleClick(pf, "Edit6");

    check(a, "CheckBox1", TForm4::CheckBox1Caption, m_.CheckBox1, at(10, 276, 300, 22));
    check(a, "CheckBox2", TForm4::CheckBox2Caption, m_.CheckBox2, at(314, 276, 160, 22));
    onRefresh([a] { a->update(); });
}

void BranchFormDialog::buildCableArea(QWidget* a)
{
    text(a, "配線方式", at(10, 10, 80, 26));
    combo(a, "ComboBox14", m_.ComboBox14, m_.ComboBox14Items, at(90, 10, 200, 26), [this] { m_.ComboBox14Change(); });
    QLabel* note = label(a, "Label58", m_.Label58, at(90, 38, 200, 18));
    note->setStyleSheet("color: #a04000;");
    auto* depth = new QWidget(a);
    depth->setGeometry(10, 60, 300, 28);
    text(depth, "埋設深さ", at(0, 0, 80, 26));
    combo(depth, "ComboBox16", m_.ComboBox16, m_.ComboBox16Items, at(80, 0, 100, 26), [this] { m_.ComboBox16Change(); });
    bindVisible(depth, m_.ComboBox16Visible);
    QPushButton* table = button(a, "Button11", TForm4::Button11Caption, at(90, 60, 140, 28), [this] { m_.Button11Click(); });
    table->setStyleSheet("QPushButton#Button11 { background: #e0f0ff; }");
    QPushButton* sizing = button(a, "Button18", kSizingButtonCaption, at(234, 60, 114, 28), [this] { m_.Button18Click(); });
    onRefresh([this, table, sizing] {
        const int y = m_.Button11Lower ? 92 : 60;
        table->move(90, y);
        sizing->move(234, y);
    });

    text(a, "種別及び断面積", at(10, 130, 110, 26));
    edit(a, "Edit10", m_.Edit10, at(120, 130, 180, 26));
    text(a, "許容電流", at(10, 162, 110, 26));
    edit(a, "Edit11", m_.Edit11, at(120, 162, 80, 26))->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    text(a, "A", at(204, 162, 20, 26));
    text(a, "ｲﾝﾋﾟｰﾀﾞﾝｽ", at(10, 194, 110, 26));
    edit(a, "Edit12", m_.Edit12, at(120, 194, 80, 26))->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    text(a, "Ω/km", at(204, 194, 40, 26));

    auto* drop = new QGroupBox(QString::fromUtf8("電圧降下(単体)"), a);
    drop->setGeometry(10, 234, 200, 60);
    QLabel* value = valueDisplay(*this, drop, "Label60", m_.Label60, at(10, 22, 140, 30));
    setPointSize(value, 13, true);
    text(drop, "V", at(156, 24, 20, 26));
}

void execBranchForm(QWidget* parent, Host& host, TForm4& form)
{
    BranchFormDialog dialog(parent, host, form);
    dialog.exec();
}

}  // namespace tolvane::gui
