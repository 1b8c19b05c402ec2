#include "gui/dialogs/feeder_form_dialog.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "entry/cable_sizing.h"
#include "entry/tform2.h"
#include "gui/dialogs/drawings.h"
#include "gui/dialogs/entry_parts.h"
#include "gui/form_dialogs.h"

namespace tolvane::gui {

namespace {
constexpr int kWidth = 984;
constexpr int kHeight = 724;

void setPointSize(QWidget* w, int size, bool bold = false)
{
    QFont f = w->font();
    f.setPointSize(size);
    f.setBold(bold);
    w->setFont(f);
}
}  // namespace

FeederFormDialog::FeederFormDialog(QWidget* parent, Host& host, TForm2& form)
    : FormDialog(parent, &host, "TForm2"), m_(form)
{
    setWindowTitle(qs(TForm2::Caption));
    setFixedSize(kWidth, kHeight);

    buildHeader();

    QPushButton* record = button(this, "Button4", TForm2::Button4Caption, at(8, 58, 64, 330), [this] { m_.Button4Click(); });
    setPointSize(record, 14, true);
    record->setStyleSheet("QPushButton#Button4 { background: #ffe8a0; }");

    // Both mode areas lie at the same place; the mode shows one of them.
    auto* single = new QFrame(this);
    single->setObjectName("SingleArea");
    auto* dwelling = new QFrame(this);
    dwelling->setObjectName("DwellingArea");
    for (QFrame* area : {single, dwelling}) {
        area->setGeometry(80, 58, 500, 422);
        area->setFrameShape(QFrame::StyledPanel);
    }
    single->setStyleSheet("QFrame#SingleArea { background: #f2f6fb; }");
    dwelling->setStyleSheet("QFrame#DwellingArea { background: #f4f8f0; }");
    buildSingleArea(single);
    buildDwellingArea(dwelling);
    bindVisible(single, m_.SingleAreaVisible);
    bindVisible(dwelling, m_.DwellingAreaVisible);

    auto* cable = new QGroupBox(this);
    cable->setObjectName("CableArea");
    cable->setGeometry(588, 58, 388, 422);
    buildCableArea(cable);

    buildSupplyArea(*this, this, at(80, 488, 660, 196),
                    {m_.RadioButton1, m_.RadioButton2, m_.RadioButton5, m_.Edit11, "Edit11", m_.Edit6, "Edit6",
                     m_.Label70},
                    {[this] { m_.RadioButton1Click(); }, [this] { m_.RadioButton2Click(); },
                     [this] { m_.RadioButton5Click(); }, {}});

    text(this, "備考", at(750, 490, 60, 22));
    QLineEdit* remarks = edit(this, "Edit12", m_.Edit12, at(750, 512, 226, 26));
    clearsOnDoubleClick(remarks, "Edit12");
    QPushButton* cancel = button(this, "Button5", TForm2::Button5Caption, at(750, 628, 226, 56), [this] { m_.Button5Click(); });
    setPointSize(cancel, 12);

    setFocusRequest(&m_.ActiveControl);
    setCloseTest([this] { return m_.closeRequested(); }, [this] { return m_.modalResult == ModalResult::Ok; });
    setCancel([this] { m_.FormClose(); });
    refresh();
}

void FeederFormDialog::clearsOnDoubleClick(QWidget* widget, const char* name)
{
    onDoubleClick(widget, [this, name] { m_.DblClick(name); });
}

void FeederFormDialog::buildHeader()
{
    QLabel* heading = text(this, TForm2::Heading, at(12, 10, 250, 34));
    setPointSize(heading, 16, true);
    heading->setStyleSheet("color: #203080;");

    QPushButton* single = button(this, "Button6", TForm2::Button6Caption, at(276, 8, 150, 42), [this] { m_.Button6Click(); });
    QPushButton* dwelling = button(this, "Button1", TForm2::Button1Caption, at(434, 8, 150, 42), [this] { m_.Button1Click(); });
    setPointSize(single, 14, true);
    setPointSize(dwelling, 14, true);
    bindEnabled(dwelling, m_.Button1Enabled);
    // The button of the mode shown looks pressed.
    onRefresh([this, single, dwelling] {
        single->setStyleSheet(m_.SingleAreaVisible ? "background: #b8d0f0;" : "");
        dwelling->setStyleSheet(m_.DwellingAreaVisible ? "background: #c8e8b8;" : "");
    });

    text(this, "幹線番号", at(606, 8, 70, 20));
    text(this, "又は名称", at(606, 28, 70, 20));
    QLineEdit* name = edit(this, "Edit2", m_.Edit2, at(680, 14, 120, 28));
    setPointSize(name, 12);
    clearsOnDoubleClick(name, "Edit2");
}

void FeederFormDialog::buildSingleArea(QFrame* a)
{
    text(a, "電気方式", at(10, 10, 64, 26));
    combo(a, "ComboBox2", m_.ComboBox2, m_.SystemItems, at(76, 10, 110, 26), [this] { m_.ComboBox2Change(); });
    text(a, "電圧", at(200, 10, 36, 26));
    combo(a, "ComboBox3", m_.ComboBox3, m_.VoltageItems, at(236, 10, 100, 26), [this] { m_.ComboBox3Change(); }, true);
    text(a, "V", at(340, 10, 16, 26));

    // The run: board, breaker, the cable to the load's board.
    new Picture(a, at(0, 44, 500, 190), [this](QPainter& p, const QRect&) {
        paintBoard(p, QRect(8, 16, 64, 150), QString::fromUtf8("分電盤"));
        paintBreaker(p, QRect(76, 82, 18, 18));
        paintBar(p, QRect(94, 88, 316, 8), QColor(0xe0, 0x40, 0x30));
        paintBoard(p, QRect(410, 16, 82, 150), QString::fromUtf8("負荷"));
        if (m_.MainDevicePictureVisible) paintBreaker(p, QRect(438, 60, 24, 24));
    });
    text(a, "遮断器定格電流", at(96, 50, 110, 20));
    QComboBox* breaker = combo(a, "ComboBox4", m_.ComboBox4, m_.RatingItems, at(96, 72, 80, 26));
    text(a, "A", at(180, 72, 14, 26));
    clearsOnDoubleClick(breaker, "ComboBox4");

    text(a, "こう長", at(222, 50, 60, 20));
    combo(a, "ComboBox5", m_.ComboBox5, m_.LengthItems, at(222, 72, 76, 26), [this] { m_.ComboBox5Change(); },
          true);
    text(a, "m", at(302, 72, 14, 26));
    button(a, "Button15", TForm2::KeypadButtonCaption, at(222, 146, 86, 26), [this] { m_.Button15Click(); });

    // The main device in the load's board; hidden with its labels when switched off.
    auto* device = new QWidget(a);
    device->setGeometry(318, 44, 92, 60);
    QLabel* deviceCaption = text(device, "主幹器具定格電流", at(0, 6, 92, 20));
    setPointSize(deviceCaption, 8);
    QComboBox* main = combo(device, "ComboBox11", m_.ComboBox11, m_.RatingItems, at(0, 28, 70, 26),
                            [this] { m_.ComboBox11Change(); });
    text(device, "A", at(74, 28, 14, 26));
    clearsOnDoubleClick(main, "ComboBox11");
    bindVisible(device, m_.ComboBox11Visible);
    captionButton(a, "Button3", m_.Button3, at(318, 146, 86, 26), [this] { m_.Button3Click(); });

    text(a, "設計負荷電流", at(10, 250, 96, 26));
    QLineEdit* current = edit(a, "Edit5", m_.Edit5, at(106, 250, 80, 26));
    current->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    onMousePress(current, [this] { m_.Edit5MouseDown(); });
    onEdited(current, [this] { m_.Edit5Change(); });
    text(a, "A", at(190, 250, 14, 26));
    QLabel* arrow = text(a, "←", at(210, 250, 20, 26));
    QLabel* calculated = label(a, "Label40", m_.Label40, at(232, 250, 200, 26));
    calculated->setStyleSheet("color: #a02020;");
    onRefresh([this, arrow] { arrow->setVisible(!m_.Label40.empty()); });
    button(a, "Button2", TForm2::Button2Caption, at(106, 284, 150, 28), [this] { m_.Button2Click(); });

    text(a, "負荷名称", at(10, 330, 96, 26));
    edit(a, "Edit7", m_.Edit7, at(106, 330, 300, 26));
    onRefresh([a] { a->update(); });
}

void FeederFormDialog::buildDwellingArea(QFrame* a)
{
    text(a, "電気方式", at(10, 10, 64, 26));
    combo(a, "ComboBox7", m_.ComboBox7, m_.SystemItems, at(76, 10, 110, 26), [this] { m_.ComboBox7Change(); });
    text(a, "電圧", at(200, 10, 36, 26));
    combo(a, "ComboBox8", m_.ComboBox8, m_.VoltageItems, at(236, 10, 100, 26), [this] { m_.ComboBox8Change(); }, true);
    text(a, "V", at(340, 10, 16, 26));

    new Picture(a, at(8, 40, 484, 100), [this](QPainter& p, const QRect& r) {
        paintDwellingRun(p, r, m_.RadioButton4);
    });

    text(a, "遮断器定格電流", at(10, 142, 110, 20));
    QComboBox* breaker = combo(a, "ComboBox9", m_.ComboBox9, m_.RatingItems, at(10, 162, 80, 26));
    text(a, "A", at(94, 162, 14, 26));
    clearsOnDoubleClick(breaker, "ComboBox9");

    text(a, "設計負荷電流", at(126, 142, 100, 20));
    QLineEdit* trunkCurrent = edit(a, "Edit3", m_.Edit3, at(126, 162, 80, 26));
    trunkCurrent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bindEnabled(trunkCurrent, m_.Edit3Enabled);
    onMousePress(trunkCurrent, [this] { m_.Edit3MouseDown(); });
    onEdited(trunkCurrent, [this] { m_.Edit3Change(); });
    text(a, "A", at(210, 162, 14, 26));

    text(a, "こう長", at(240, 142, 60, 20));
    combo(a, "ComboBox10", m_.ComboBox10, m_.LengthItems, at(240, 162, 76, 26), [this] { m_.ComboBox10Change(); },
          true);
    text(a, "m", at(320, 162, 14, 26));
    button(a, "Button16", TForm2::KeypadButtonCaption, at(338, 162, 80, 26), [this] { m_.Button16Click(); });

    text(a, "こう長(分岐間)", at(10, 196, 110, 20));
    combo(a, "ComboBox6", m_.ComboBox6, m_.SegmentLengthItems, at(10, 216, 70, 26));
    text(a, "m", at(84, 216, 14, 26));
    button(a, "Button17", TForm2::KeypadButtonCaption, at(100, 216, 80, 26), [this] { m_.Button17Click(); });

    text(a, "主幹器具定格電流", at(196, 196, 120, 20));
    QComboBox* main = combo(a, "ComboBox12", m_.ComboBox12, m_.RatingItems, at(196, 216, 80, 26));
    text(a, "A", at(280, 216, 14, 26));
    clearsOnDoubleClick(main, "ComboBox12");

    text(a, "設計負荷電流", at(330, 196, 100, 20));
    combo(a, "ComboBox15", m_.ComboBox15, m_.RatingItems, at(330, 216, 80, 26), [this] { m_.ComboBox15Change(); });
    text(a, "A", at(414, 216, 14, 26));

    radio(a, "RadioButton3", TForm2::RadioButton3Caption, m_.RadioButton3, at(10, 256, 80, 24),
          [this] { m_.RadioButton3Click(); });
    radio(a, "RadioButton4", TForm2::RadioButton4Caption, m_.RadioButton4, at(10, 282, 80, 24),
          [this] { m_.RadioButton4Click(); });
    auto* branches = new QGroupBox(QString::fromUtf8("幹線からの分岐数"), a);
    branches->setGeometry(100, 250, 220, 60);
    combo(branches, "ComboBox1", m_.ComboBox1, m_.DwellingItems, at(10, 24, 60, 26), [this] { m_.ComboBox1Change(); });
    QComboBox* second = combo(branches, "ComboBox17", m_.ComboBox17, m_.DwellingItems, at(90, 24, 60, 26),
                              [this] { m_.ComboBox17Change(); });
    bindVisible(second, m_.ComboBox17Visible);

    new Picture(a, at(8, 314, 484, 104), [](QPainter& p, const QRect& r) { paintTapRule(p, r); });
    onRefresh([a] { a->update(); });
}

void FeederFormDialog::buildCableArea(QWidget* a)
{
    text(a, "負荷の種類", at(10, 10, 90, 26));
    combo(a, "ComboBox13", m_.ComboBox13, m_.ComboBox13Items, at(100, 10, 200, 26), [this] { m_.ComboBox13Change(); });
    text(a, "力率", at(10, 42, 90, 26));
    QLineEdit* pf = edit(a, "Edit4", m_.Edit4, at(100, 42, 70, 26));
    onEdited(pf, [this] { m_.Edit4Change(); });
    clearsOnDoubleClick(pf, "Edit4");

    text(a, "配線方式", at(10, 76, 90, 26));
    combo(a, "ComboBox14", m_.ComboBox14, m_.ComboBox14Items, at(100, 76, 200, 26), [this] { m_.ComboBox14Change(); });
    QLabel* note = label(a, "Label58", m_.Label58, at(100, 104, 200, 18));
    note->setStyleSheet("color: #a04000;");

    auto* depth = new QWidget(a);
    depth->setGeometry(10, 126, 300, 28);
    text(depth, "埋設深さ", at(0, 0, 90, 26));
    combo(depth, "ComboBox16", m_.ComboBox16, m_.ComboBox16Items, at(90, 0, 100, 26), [this] { m_.ComboBox16Change(); });
    bindVisible(depth, m_.ComboBox16Visible);
    QPushButton* table = button(a, "Button11", TForm2::Button11Caption, at(100, 126, 160, 28), [this] { m_.Button11Click(); });
    table->setStyleSheet("QPushButton#Button11 { background: #e0f0ff; }");
    QPushButton* sizing = button(a, "Button18", kSizingButtonCaption, at(264, 126, 116, 28), [this] { m_.Button18Click(); });
    onRefresh([this, table, sizing] {
        const int y = m_.Button11Lower ? 158 : 126;
        table->move(100, y);
        sizing->move(264, y);
    });

    text(a, "種別及び断面積", at(10, 196, 110, 26));
    QLineEdit* cable = edit(a, "Edit8", m_.Edit8, at(120, 196, 180, 26));
    clearsOnDoubleClick(cable, "Edit8");
    text(a, "許容電流", at(10, 228, 110, 26));
    QLineEdit* allowable = edit(a, "Edit9", m_.Edit9, at(120, 228, 80, 26));
    allowable->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    clearsOnDoubleClick(allowable, "Edit9");
    text(a, "A", at(204, 228, 20, 26));
    text(a, "ｲﾝﾋﾟｰﾀﾞﾝｽ", at(10, 260, 110, 26));
    QLineEdit* impedance = edit(a, "Edit10", m_.Edit10, at(120, 260, 80, 26));
    impedance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    clearsOnDoubleClick(impedance, "Edit10");
    text(a, "Ω/km", at(204, 260, 40, 26));

    auto* drop = new QGroupBox(QString::fromUtf8("電圧降下(単体)"), a);
    drop->setGeometry(10, 292, 200, 56);
    QLabel* value = valueDisplay(*this, drop, "Label60", m_.Label60, at(10, 20, 140, 30));
    setPointSize(value, 13, true);
    text(drop, "V", at(156, 22, 20, 26));

    button(a, "Button9", TForm2::Button9Caption, at(10, 356, 180, 28), [this] { m_.Button9Click(); });
    button(a, "Button10", TForm2::Button10Caption, at(196, 356, 180, 28), [this] { m_.Button10Click(); });
    button(a, "Button14", TForm2::Button14Caption, at(10, 388, 140, 28), [this] { m_.Button14Click(); });
    button(a, "Button12", TForm2::Button12Caption, at(156, 388, 220, 28), [this] { m_.Button12Click(); });
}

void execFeederForm(QWidget* parent, Host& host, TForm2& form)
{
    FeederFormDialog dialog(parent, host, form);
    dialog.exec();
}

}  // namespace tolvane::gui
