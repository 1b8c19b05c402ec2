// The program's one top-level window: top bar with the title block, header
// strip, the sheet, the settings panel and the operation guide. It shows the
// members of the core's TForm1 and forwards clicks to its commands.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class QFrame;

namespace tolvane {
class TForm1;
}

namespace tolvane::gui {

class HeaderStrip;
class SheetModel;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(TForm1& form, QWidget* parent = nullptr);

    // Shows every member of the core model again.
    void refreshFromModel();

    QTableView* sheetView() const { return sheetView_; }
    SheetModel* sheetModel() const { return model_; }
    TForm1& form() { return form_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildTopBar();
    void buildSettingsPanel();
    void buildOperationGuide();
    void applyColumnWidths();
    // Scrolls so that `row` is the top visible row of the sheet.
    void scrollSheetTo(int row);
    QPushButton* addButton(QWidget* parent, const char* name, const char* caption);

    TForm1& form_;
    bool shownOnce_ = false;

    QFrame* topBar_ = nullptr;
    HeaderStrip* headerStrip_ = nullptr;
    QTableView* sheetView_ = nullptr;
    SheetModel* model_ = nullptr;
    QFrame* settingsPanel_ = nullptr;
    QFrame* guidePanel_ = nullptr;
    QFrame* pointerGuide_ = nullptr;

    QLabel* label66_ = nullptr;   // frequency
    QLineEdit* edit1_ = nullptr;  // building name
    QLabel* label56_ = nullptr;   // era label
    QLineEdit* edit25_ = nullptr;
    QLineEdit* edit26_ = nullptr;
    QLineEdit* edit27_ = nullptr;
    QLineEdit* edit3_ = nullptr;
    QRadioButton* radio_[7] = {};  // RadioButton1..6 of the settings panel
    QLineEdit* edit2_ = nullptr;
    QLabel* label67_ = nullptr;
};

}  // namespace tolvane::gui
