#include "gui/dialogs/calculator_dialog.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

#include "entry/tform5.h"
#include "gui/form_dialogs.h"

namespace tolvane::gui {

namespace {
// The colour that marks the active tab: light cyan for power, green for current.
QString tabColour(int index) { return index == 0 ? "#80f0ff" : "#70e070"; }
}  // namespace

CalculatorDialog::CalculatorDialog(QWidget* parent, Host& host, TForm5& calculator)
    : FormDialog(parent, &host, "TForm5"), m_(calculator)
{
    setWindowTitle(qs(TForm5::Caption));
    setFixedSize(432, 524);

    QLabel* last = label(this, "Label1", m_.Label1, at(250, 4, 176, 14));
    last->setAlignment(Qt::AlignRight);
    QFont small = last->font();
    small.setPointSize(7);
    last->setFont(small);

    QLabel* heading = text(this, TForm5::Heading, at(12, 8, 230, 24));
    QFont hf = heading->font();
    hf.setPointSize(13);
    hf.setBold(true);
    heading->setFont(hf);

    tabs_ = new QTabBar(this);
    tabs_->setObjectName("TabControl3");
    tabs_->addTab(qs(TForm5::Tab0Caption));
    tabs_->addTab(qs(TForm5::Tab1Caption));
    tabs_->setGeometry(12, 38, 408, 28);
    tabs_->setExpanding(true);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        m_.TabControl3 = index;
        run([this] { m_.TabControl3Change(); });
    });
    bar_ = new QFrame(this);
    bar_->setObjectName("TabBarColour");

    // Input value, voltage and power factor.
    label(this, "Label137", m_.Label137, at(16, 84, 70, 24));
    QLineEdit* input = edit(this, "Edit7", m_.Edit7, at(90, 84, 140, 26));
    input->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    onEvent(input, QEvent::MouseButtonPress, [this] { m_.Edit7Click(); }, false);
    onEvent(input, QEvent::KeyRelease, [this] { m_.Edit7KeyUp(); }, false);
    label(this, "Label147", m_.Label147, at(236, 84, 40, 24));

    text(this, " 電  圧", at(16, 118, 70, 24));
    combo(this, "ComboBox9", m_.ComboBox9, m_.ComboBox9Items, at(90, 118, 140, 26), [this] { m_.ComboBox9Change(); },
          true);
    text(this, "V", at(236, 118, 20, 24));

    text(this, " 力　率", at(16, 152, 70, 24));
    combo(this, "ComboBox10", m_.ComboBox10, m_.ComboBox10Items, at(90, 152, 140, 26),
          [this] { m_.ComboBox10Change(); }, true);
    text(this, "％", at(236, 152, 20, 24));
    button(this, "Button63", "100%", at(262, 152, 70, 26), [this] { m_.Button63Click(); });
    button(this, "Button66", "80%", at(338, 152, 70, 26), [this] { m_.Button66Click(); });

    // The circuit: the radio buttons choose, their labels choose and recompute.
    radio(this, "RadioButton28", "", m_.RadioButton28, at(262, 84, 20, 24), [this] { m_.RadioButton28Click(); });
    QLabel* single = text(this, TForm5::Label141Caption, at(284, 84, 140, 24));
    single->setObjectName("Label141");
    onMousePress(single, [this] { m_.Label141Click(); });
    radio(this, "RadioButton29", "", m_.RadioButton29, at(262, 112, 20, 24), [this] { m_.RadioButton29Click(); });
    QLabel* three = text(this, TForm5::Label142Caption, at(284, 112, 140, 24));
    three->setObjectName("Label142");
    onMousePress(three, [this] { m_.Label142Click(); });

    // The display: name of the result, value, unit.
    auto* screen = new QFrame(this);
    screen->setObjectName("Display");
    screen->setGeometry(12, 190, 408, 56);
    screen->setFrameShape(QFrame::Box);
    screen->setStyleSheet("QFrame#Display { background: #10281c; }");
    QLabel* name = label(screen, "Label144", m_.Label144, at(6, 14, 70, 28));
    name->setAlignment(Qt::AlignCenter);
    bindVisible(name, m_.Label144Visible);
    QLabel* value = label(screen, "Label145", m_.Label145, at(80, 4, 270, 48));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setStyleSheet("color: #a8ff60;");
    QFont vf = value->font();
    vf.setPointSize(22);
    vf.setBold(true);
    value->setFont(vf);
    QLabel* unit = label(screen, "Label146", m_.Label146, at(356, 14, 46, 28));
    unit->setStyleSheet("color: #a8ff60;");
    QFont uf = unit->font();
    uf.setPointSize(12);
    unit->setFont(uf);

    // Why no result is shown.
    QLabel* reason = label(this, "Label148", m_.Label148, at(12, 250, 408, 22));
    reason->setStyleSheet("color: #c00000;");

    // Keypad: 7 8 9 / 4 5 6 / 1 2 3 / 0 . C.
    struct Key {
        const char* name;
        const char* face;
        void (*click)(TForm5&);
    };
    const Key keys[] = {
        {"Button58", "7", [](TForm5& m) { m.Button58Click(); }}, {"Button59", "8", [](TForm5& m) { m.Button59Click(); }},
        {"Button60", "9", [](TForm5& m) { m.Button60Click(); }}, {"Button55", "4", [](TForm5& m) { m.Button55Click(); }},
        {"Button56", "5", [](TForm5& m) { m.Button56Click(); }}, {"Button57", "6", [](TForm5& m) { m.Button57Click(); }},
        {"Button52", "1", [](TForm5& m) { m.Button52Click(); }}, {"Button53", "2", [](TForm5& m) { m.Button53Click(); }},
        {"Button54", "3", [](TForm5& m) { m.Button54Click(); }}, {"Button61", "0", [](TForm5& m) { m.Button61Click(); }},
        {"Button62", ".", [](TForm5& m) { m.Button62Click(); }}, {"Button64", "C", [](TForm5& m) { m.Button64Click(); }},
    };
    for (int i = 0; i < 12; ++i) {
        const Key& k = keys[i];
        QPushButton* b = button(this, k.name, k.face, at(12 + (i % 3) * 64, 282 + (i / 3) * 56, 60, 52),
                                [this, click = k.click] { click(m_); });
        QFont f = b->font();
        f.setPointSize(14);
        b->setFont(f);
    }
    QPushButton* compute = captionButton(this, "Button65", m_.Button65, at(216, 282, 204, 108), [this] { m_.Button65Click(); });
    QFont cf = compute->font();
    cf.setPointSize(13);
    cf.setBold(true);
    compute->setFont(cf);
    bindVisible(button(this, "Button67", "KVA変換", at(216, 394, 204, 52), [this] { m_.Button67Click(); }),
                m_.Button67Visible);
    button(this, "Button1", "登録", at(216, 450, 204, 52), [this] { m_.Button1Click(); });

    onRefresh([this, name] {
        QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(m_.TabControl3);
        QRect tab = tabs_->tabRect(m_.TabControl3);
        bar_->setGeometry(tabs_->x() + tab.x(), tabs_->y() + tabs_->height(), tab.width(), 6);
        bar_->setStyleSheet("background: " + tabColour(m_.TabControl3) + ";");
        name->setStyleSheet("background: " + tabColour(m_.TabControl3) + ";");
    });

    setFocusRequest(&m_.ActiveControl);
    setCloseTest([this] { return m_.closeRequested(); }, [this] { return m_.modalResult == ModalResult::Ok; });
    setCancel([this] { m_.FormClose(); });
    refresh();
}

void execCalculator(QWidget* parent, Host& host, TForm5& calculator)
{
    CalculatorDialog dialog(parent, host, calculator);
    dialog.exec();
}

}  // namespace tolvane::gui
