// The branch entry form "データー入力フォーム" on screen: one row of a dwelling
// feeder with the feeder's head-row values, laid out by the kind of row.
#pragma once

#include "gui/dialogs/form_dialog.h"

namespace tolvane {
class TForm4;
}

namespace tolvane::gui {

class BranchFormDialog : public FormDialog {
    Q_OBJECT
public:
    BranchFormDialog(QWidget* parent, Host& host, TForm4& form);

private:
    void buildHeader();
    void buildRowArea(QWidget* area);
    void buildCableArea(QWidget* area);
    void clearsOnDoubleClick(QWidget* widget, const char* name);

    TForm4& m_;
};

}  // namespace tolvane::gui
