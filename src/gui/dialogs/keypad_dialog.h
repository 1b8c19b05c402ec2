// The numeric keypad "数値フォーム" on screen: a display and the keys that
// build a number with the mouse. It stays above every other window. The
// keyboard works it at any time: digits, the decimal point, Backspace, and
// Enter for "登録" (its keys take no focus, so Enter is never theirs).
#pragma once

#include "gui/dialogs/form_dialog.h"

namespace tolvane {
class TForm3;
}

namespace tolvane::gui {

class KeypadDialog : public FormDialog {
    Q_OBJECT
public:
    KeypadDialog(QWidget* parent, TForm3& keypad);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A typed key as the keypad takes it; false for a key it leaves alone.
    bool typed(QKeyEvent* event);

    TForm3& m_;
};

}  // namespace tolvane::gui
