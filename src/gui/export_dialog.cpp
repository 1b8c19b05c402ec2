#include "gui/export_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "gui/background.h"

namespace tolvane::gui {

TForm6::TForm6(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString::fromUtf8("エクセル変換"));
    setBackground(this, QColor(0, 0, 128));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(10, 8, 10, 8);
    struct Item {
        const char* name;
        const char* caption;
        Choice choice;
    } items[] = {
        {"Button12", "エクセル変換  (　１項目　/　シート　)", PerItem},
        {"Button15", "エクセル変換　(１８行毎に自動調整)", EighteenRows},
        {"Button1", "キャンセル", Cancel},
    };
    for (const Item& item : items) {
        auto* b = new QPushButton(QString::fromUtf8(item.caption), this);
        b->setObjectName(item.name);
        b->setMinimumHeight(32);
        row->addWidget(b);
        Choice choice = item.choice;
        connect(b, &QPushButton::clicked, this, [this, choice] {
            choice_ = choice;
            if (choice == Cancel)
                reject();
            else
                accept();
        });
    }
}

}  // namespace tolvane::gui
