// The panel that covers the sheet while a workbook is written.
#pragma once

#include <QFrame>

class QProgressBar;

namespace tolvane::gui {

class ProgressPanel : public QFrame {
    Q_OBJECT
public:
    explicit ProgressPanel(QWidget* parent = nullptr);
    // Shows `done` of `total` steps and lets the window repaint.
    void setProgress(int done, int total);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QProgressBar* bar_;
};

}  // namespace tolvane::gui
