#include "gui/dialogs/keypad_dialog.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "entry/tform3.h"
#include "gui/form_dialogs.h"

namespace tolvane::gui {

KeypadDialog::KeypadDialog(QWidget* parent, TForm3& keypad) : FormDialog(parent, nullptr, "TForm3"), m_(keypad)
{
    setWindowTitle(qs(TForm3::Caption));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setFixedSize(236, 318);

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setGeometry(0, 0, 236, 318);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setStyleSheet("QFrame#Panel1 { background: #dfe7ef; }");

    QLineEdit* display = edit(panel, "Edit1", m_.Edit1, at(12, 12, 212, 40));
    display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont big = display->font();
    big.setPointSize(16);
    display->setFont(big);
    onDoubleClick(display, [this] { m_.Edit1DblClick(); });
    // What is typed into the display follows the keypad's own rules.
    hook(display, QEvent::KeyPress, [this](QEvent* e) { return typed(static_cast<QKeyEvent*>(e)); });

    // Keys in the order of a calculator's pad: 7 8 9 / 4 5 6 / 1 2 3 / 0 . C.
    struct Key {
        const char* name;
        const char* face;
        void (*click)(TForm3&);
    };
    const Key keys[] = {
        {"Button7", "7", [](TForm3& m) { m.Button7Click(); }},   {"Button8", "8", [](TForm3& m) { m.Button8Click(); }},
        {"Button9", "9", [](TForm3& m) { m.Button9Click(); }},   {"Button4", "4", [](TForm3& m) { m.Button4Click(); }},
        {"Button5", "5", [](TForm3& m) { m.Button5Click(); }},   {"Button6", "6", [](TForm3& m) { m.Button6Click(); }},
        {"Button1", "1", [](TForm3& m) { m.Button1Click(); }},   {"Button2", "2", [](TForm3& m) { m.Button2Click(); }},
        {"Button3", "3", [](TForm3& m) { m.Button3Click(); }},   {"Button10", "0", [](TForm3& m) { m.Button10Click(); }},
        {"Button11", ".", [](TForm3& m) { m.Button11Click(); }}, {"Button13", "C", [](TForm3& m) { m.Button13Click(); }},
    };
    for (int i = 0; i < 12; ++i) {
        const Key& k = keys[i];
        QPushButton* b = button(panel, k.name, k.face, at(12 + (i % 3) * 72, 62 + (i / 3) * 50, 68, 46),
                                [this, click = k.click] { click(m_); });
        QFont f = b->font();
        f.setPointSize(14);
        b->setFont(f);
        b->setFocusPolicy(Qt::NoFocus);
    }
    button(panel, "Button14", TForm3::Button14Caption, at(12, 266, 104, 40), [this] { m_.Button14Click(); })
        ->setFocusPolicy(Qt::NoFocus);
    button(panel, "Button23", TForm3::Button23Caption, at(120, 266, 104, 40), [this] { m_.Button23Click(); })
        ->setFocusPolicy(Qt::NoFocus);
    display->setFocus();

    setCloseTest([this] { return m_.closeRequested(); }, [this] { return m_.modalResult == ModalResult::Ok; });
    // Closing without "登録" hands back nothing, as "キャンセル" does.
    setCancel([this] { m_.Button23Click(); });
    refresh();
}

bool KeypadDialog::typed(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        run([this] { m_.Button14Click(); });
    } else if (key == Qt::Key_Backspace) {
        run([this] { m_.backspace(); });
    } else if (key == Qt::Key_Period || key == Qt::Key_Comma) {
        // The keypad's decimal key gives "," on some keyboard layouts.
        run([this] { m_.press("."); });
    } else if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        const std::string digit(1, static_cast<char>('0' + (key - Qt::Key_0)));
        run([this, digit] { m_.press(digit); });
    } else {
        // Any other character is no part of a number: the display ignores it.
        return !event->text().isEmpty() && event->text().front().isPrint();
    }
    return true;
}

void KeypadDialog::keyPressEvent(QKeyEvent* event)
{
    if (!typed(event)) FormDialog::keyPressEvent(event);
}

void execKeypad(QWidget* parent, TForm3& keypad)
{
    KeypadDialog dialog(parent, keypad);
    dialog.exec();
    // Each closing brings the main window forward.
    if (parent) parent->window()->activateWindow();
}

}  // namespace tolvane::gui
