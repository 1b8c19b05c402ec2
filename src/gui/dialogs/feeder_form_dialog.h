// The feeder entry form "データー入力フォーム" on screen: a single feeder or a
// dwelling feeder with its run drawn, the cable and drop controls, the
// supply choice with the reference table of allowable drops.
#pragma once

#include "gui/dialogs/form_dialog.h"

class QFrame;

namespace tolvane {
class TForm2;
}

namespace tolvane::gui {

class FeederFormDialog : public FormDialog {
    Q_OBJECT
public:
    FeederFormDialog(QWidget* parent, Host& host, TForm2& form);

private:
    void buildHeader();
    void buildSingleArea(QFrame* area);
    void buildDwellingArea(QFrame* area);
    void buildCableArea(QWidget* area);
    void clearsOnDoubleClick(QWidget* widget, const char* name);

    TForm2& m_;
};

}  // namespace tolvane::gui
