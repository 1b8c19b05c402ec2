// The current calculator "電流計算フォーム" on screen: two tabs (power from a
// current, current from a power), the circuit, voltage and power factor, a
// keypad and the display.
#pragma once

#include "gui/dialogs/form_dialog.h"

class QFrame;
class QTabBar;

namespace tolvane {
class TForm5;
}

namespace tolvane::gui {

class CalculatorDialog : public FormDialog {
    Q_OBJECT
public:
    CalculatorDialog(QWidget* parent, Host& host, TForm5& calculator);

private:
    TForm5& m_;
    QTabBar* tabs_ = nullptr;
    QFrame* bar_ = nullptr;
};

}  // namespace tolvane::gui
