// "エクセル変換": the dialog that asks how the document is cut into worksheets.
#pragma once

#include <QDialog>

namespace tolvane::gui {

class TForm6 : public QDialog {
    Q_OBJECT
public:
    enum Choice { Cancel, PerItem, EighteenRows };

    explicit TForm6(QWidget* parent = nullptr);
    Choice choice() const { return choice_; }

private:
    Choice choice_ = Cancel;
};

}  // namespace tolvane::gui
