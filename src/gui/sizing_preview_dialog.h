// The preview of "ケーブル自動選定": every row the sizing would change (cable,
// allowable current, drop and judgement before and after), the family used
// and every feeder that cannot be sized with the reason. The family can be
// chosen here; 適用 accepts the plan, which the window then applies as one
// undoable command.
#pragma once

#include <QDialog>

#include <vector>

#include "sizing/feeder_sizing.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tolvane {
struct Forms;
}

namespace tolvane::gui {

class SizingPreviewDialog : public QDialog {
    Q_OBJECT
public:
    SizingPreviewDialog(QWidget* parent, const Forms& forms, std::vector<FeederRange> feeders);

    const SizingPlan& plan() const { return plan_; }

private:
    void replan();

    const Forms& forms_;
    std::vector<FeederRange> feeders_;
    SizingPlan plan_;
    QComboBox* family_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* failures_ = nullptr;
    QPushButton* apply_ = nullptr;
};

}  // namespace tolvane::gui
