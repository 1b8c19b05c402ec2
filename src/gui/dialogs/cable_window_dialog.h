// The cable selection window "電線・ケーブル選択フォーム" on screen: family and
// type lists, the impedance grid to pick a size from, the laying or IV conduit
// panel, the grouping panel and the corrected allowable current.
#pragma once

#include "gui/dialogs/form_dialog.h"

class QTableWidget;

namespace tolvane {
class Tdensen;
}

namespace tolvane::gui {

class CableWindowDialog : public FormDialog {
    Q_OBJECT
public:
    CableWindowDialog(QWidget* parent, Host& host, Tdensen& window);

    QTableWidget* impedanceGrid() const { return grid_; }

private:
    void buildTop(QWidget* panel);
    void buildImpedancePanel(QWidget* panel);
    void buildLayingPanel(QWidget* panel);
    void buildConduitPanel(QWidget* panel);
    void buildGroupingPanel(QWidget* panel);
    void refreshGrid();

    Tdensen& m_;
    QTableWidget* grid_ = nullptr;
};

}  // namespace tolvane::gui
