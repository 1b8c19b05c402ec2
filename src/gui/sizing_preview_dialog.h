// The preview of "ケーブル自動選定", bound to its model SizingPreview
// (app/sheet_sizing.h): every row the sizing would change, the family used,
// every feeder that cannot be sized with the reason, and the notice when no
// cable changes. 適用 accepts the plan, which the window then applies as one
// undoable command.
#pragma once

#include <QDialog>

#include <vector>

#include "app/sheet_sizing.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tolvane {
class Host;
}

namespace tolvane::gui {

class SizingPreviewDialog : public QDialog {
    Q_OBJECT
public:
    // The model has planned (SizingPreview::FormShow) before the window opens.
    SizingPreviewDialog(QWidget* parent, SizingPreview& model, Host* host);

    const SizingPlan& plan() const { return model_.plan(); }

private:
    void refresh();

    SizingPreview& model_;
    Host* host_;
    QComboBox* family_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* failures_ = nullptr;
    QLabel* notice_ = nullptr;
    QPushButton* apply_ = nullptr;
};

}  // namespace tolvane::gui
