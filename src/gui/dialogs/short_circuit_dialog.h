// The short-circuit window 「短絡電流計算」 on screen: the bank list and the
// fields of one bank, the breaking time, the grid of every sheet row (bank
// and Icu cells edited in lists) and the document's outputs.
#pragma once

#include "gui/dialogs/form_dialog.h"

class QListWidget;
class QTableWidget;

namespace tolvane {
class TForm7;
}

namespace tolvane::gui {

class ShortCircuitDialog : public FormDialog {
    Q_OBJECT
public:
    ShortCircuitDialog(QWidget* parent, Host& host, TForm7& form);

    QTableWidget* grid() const { return grid_; }

private:
    void fillGrid();
    void printDocument();
    void writePdf();

    TForm7& m_;
    QListWidget* banks_ = nullptr;
    QTableWidget* grid_ = nullptr;
};

// Opens the window over `parent` and returns when it is closed.
void execShortCircuit(QWidget* parent, Host& host, TForm7& form);

}  // namespace tolvane::gui
