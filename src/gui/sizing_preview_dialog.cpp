#include "gui/sizing_preview_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/forms.h"
#include "app/sheet_sizing.h"

namespace tolvane::gui {
namespace {

QString u(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// "before → after", or the one text when nothing changed.
QString change(const std::string& before, const std::string& after)
{
    if (before == after) return u(after);
    return u(before) + QString::fromUtf8(" → ") + u(after);
}

constexpr const char* kAutoFamily = "ケーブルの表記から選ぶ";
constexpr const char* kHeadings[] = {"No.", "行", "負荷名称", "ケーブル", "許容電流[A]", "電圧降下[V]", "判定", "系列"};

}  // namespace

SizingPreviewDialog::SizingPreviewDialog(QWidget* parent, const Forms& forms, std::vector<FeederRange> feeders)
    : QDialog(parent), forms_(forms), feeders_(std::move(feeders))
{
    setObjectName("SizingPreview");
    setWindowTitle(u("ケーブル自動選定"));
    resize(1100, 560);
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(u("電線・ケーブルの系列"), this));
    family_ = new QComboBox(this);
    family_->setObjectName("FamilyList");
    family_->addItem(u(kAutoFamily));
    for (std::string_view name : FamilyListItems()) family_->addItem(u(name));
    top->addWidget(family_, 1);
    layout->addLayout(top);

    table_ = new QTableWidget(0, static_cast<int>(std::size(kHeadings)), this);
    table_->setObjectName("PreviewTable");
    QStringList headings;
    for (const char* h : kHeadings) headings << u(h);
    table_->setHorizontalHeaderLabels(headings);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_, 1);

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
    connect(family_, &QComboBox::currentIndexChanged, this, [this] { replan(); });
    replan();
}

void SizingPreviewDialog::replan()
{
    const int chosen = family_->currentIndex();
    const CableFamily* family = chosen > 0 ? FindCableFamily(FamilyName(chosen)) : nullptr;
    plan_ = planSheetSizing(forms_, feeders_, family);

    table_->setRowCount(0);
    QStringList failures;
    bool anySized = false;
    for (const FeederSizing& feeder : plan_.feeders) {
        if (feeder.failure) {
            failures << u("No." + feeder.number + " 行" + std::to_string(feeder.failure->row + 1) + ": " +
                          feeder.failure->reason);
            continue;
        }
        anySized = true;
        const QString families = u(familyNames(feeder.families));
        for (const RowChange& c : feeder.changes) {
            const int row = table_->rowCount();
            table_->insertRow(row);
            const QString cells[] = {u(feeder.number),
                                     QString::number(c.row + 1),
                                     u(c.loadName),
                                     change(c.cableBefore, c.cableAfter),
                                     change(c.allowableBefore, c.allowableAfter),
                                     change(c.dropBefore, c.dropAfter),
                                     change(c.judgementBefore, c.judgementAfter),
                                     families};
            for (int column = 0; column < static_cast<int>(std::size(cells)); ++column)
                table_->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
    }
    table_->resizeColumnsToContents();
    failures_->setText(failures.join("\n"));
    failures_->setVisible(!failures.isEmpty());
    apply_->setEnabled(anySized);
}

}  // namespace tolvane::gui
