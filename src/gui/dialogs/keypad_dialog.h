// The numeric keypad "数値フォーム" on screen: a display and the keys that
// build a number with the mouse. It stays above every other window.
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

private:
    TForm3& m_;
};

}  // namespace tolvane::gui
