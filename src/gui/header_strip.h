// The strip above the sheet with the column captions, drawn over the columns
// they name, and the two scroll buttons "▲" and "▼".
#pragma once

#include <QWidget>

class QTableView;

namespace tolvane::gui {

class HeaderStrip : public QWidget {
    Q_OBJECT
public:
    explicit HeaderStrip(QTableView* sheetView, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTableView* view_;
};

}  // namespace tolvane::gui
