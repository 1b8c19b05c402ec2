#include "gui/sizing_preview_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/command_guard.h"

namespace tolvane::gui {
namespace {

QString u(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

SizingPreviewDialog::SizingPreviewDialog(QWidget* parent, SizingPreview& model, Host* host)
    : QDialog(parent), model_(model), host_(host)
{
    setObjectName("SizingPreview");
    setWindowTitle(u("ケーブル自動選定"));
    resize(1100, 560);
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(u("電線・ケーブルの系列"), this));
    family_ = new QComboBox(this);
    family_->setObjectName("FamilyList");
    for (const std::string& item : model_.familyItems()) family_->addItem(u(item));
    top->addWidget(family_, 1);
    layout->addLayout(top);

    table_ = new QTableWidget(0, static_cast<int>(std::size(SizingPreview::kHeadings)), this);
    table_->setObjectName("PreviewTable");
    QStringList headings;
    for (std::string_view h : SizingPreview::kHeadings) headings << u(h);
    table_->setHorizontalHeaderLabels(headings);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_, 1);

    notice_ = new QLabel(this);
    notice_->setObjectName("NoticeLabel");
    notice_->setAlignment(Qt::AlignCenter);
    layout->addWidget(notice_);

    failures_ = new QLabel(this);
    failures_->setObjectName("FailureList");
    failures_->setStyleSheet("color: #c00000;");
    failures_->setWordWrap(true);
    layout->addWidget(failures_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    apply_ = new QPushButton(u("適用"), this);
    apply_->setObjectName("ApplyButton");
    auto* cancel = new QPushButton(u("キャンセル"), this);
    cancel->setObjectName("CancelButton");
    buttons->addWidget(apply_);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(apply_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(family_, &QComboBox::currentIndexChanged, this, [this](int index) {
        model_.FamilyList = index;
        runGuarded(host_, [this] { model_.FamilyListChange(); });
        refresh();
    });
    refresh();
}

void SizingPreviewDialog::refresh()
{
    {
        const QSignalBlocker block(family_);
        family_->setCurrentIndex(model_.FamilyList);
    }
    table_->setRowCount(0);
    for (const SizingPreview::Line& line : model_.PreviewTable) {
        const int row = table_->rowCount();
        table_->insertRow(row);
        for (int column = 0; column < static_cast<int>(line.size()); ++column)
            table_->setItem(row, column, new QTableWidgetItem(u(line[static_cast<std::size_t>(column)])));
    }
    table_->resizeColumnsToContents();
    QStringList failures;
    for (const std::string& f : model_.FailureList) failures << u(f);
    failures_->setText(failures.join("\n"));
    failures_->setVisible(!failures.isEmpty());
    notice_->setText(u(model_.NoticeLabel));
    notice_->setVisible(!model_.NoticeLabel.empty());
    apply_->setEnabled(model_.ApplyButtonEnabled);
}

}  // namespace tolvane::gui
