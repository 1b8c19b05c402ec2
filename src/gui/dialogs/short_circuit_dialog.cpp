#include "gui/dialogs/short_circuit_dialog.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>

#include <cmath>

#include "gui/document_output.h"
#include "gui/print/fonts.h"
#include "host/host.h"
#include "shortcircuit/tform7.h"

namespace tolvane::gui {

namespace {

const QColor kNavy(0, 0, 128);              // the sheet's text
const QColor kEditableCell(255, 255, 224);  // cells the user may change

// The grid's bank and Icu cells are edited in lists: the bank names, or the
// Icu ladder with free entry. The chosen text goes to the window's handler,
// never into the grid itself.
class ChoiceDelegate : public QStyledItemDelegate {
public:
    using Chosen = std::function<void(int line, int column, const QString& text)>;
    ChoiceDelegate(QObject* parent, TForm7& form, Chosen chosen)
        : QStyledItemDelegate(parent), m_(form), chosen_(std::move(chosen))
    {
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        auto* c = new QComboBox(parent);
        c->setObjectName(index.column() == sccol::Bank ? "BankEditor" : "IcuEditor");
        const bool bank = index.column() == sccol::Bank;
        c->setEditable(!bank);
        if (!bank) {
            c->setCompleter(nullptr);
            c->setInsertPolicy(QComboBox::NoInsert);
        }
        for (const std::string& item : bank ? m_.bankItems : m_.icuItems) c->addItem(qs(item));
        c->setMaxVisibleItems(20);
        return c;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* c = static_cast<QComboBox*>(editor);
        const TForm7::GridLine& line = m_.StringGrid1[static_cast<std::size_t>(index.row())];
        QString text;
        if (index.column() == sccol::Bank)
            text = qs(line.bank.empty() ? std::string(TForm7::kAutomaticBank) : line.bank);
        else
            text = qs(index.column() == sccol::BreakerIcu ? line.breakerIcu : line.mainIcu);
        const int found = c->findText(text, Qt::MatchExactly);
        if (found >= 0) c->setCurrentIndex(found);
        if (c->isEditable()) c->setEditText(text);
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        chosen_(index.row(), index.column(), static_cast<QComboBox*>(editor)->currentText());
    }

private:
    TForm7& m_;
    Chosen chosen_;
};

// The cells of a line the user may change: the Icu values, and the bank on a
// feeder's head row.
bool editable(const TForm7::GridLine& line, int column)
{
    return (column == sccol::Bank && line.bankEditable) || column == sccol::BreakerIcu || column == sccol::MainIcu;
}

}  // namespace

ShortCircuitDialog::ShortCircuitDialog(QWidget* parent, Host& host, TForm7& form)
    : FormDialog(parent, &host, "TForm7"), m_(form)
{
    setWindowTitle(qs(TForm7::Caption));
    setFixedSize(1480, 820);

    // ---- banks: the list, the fields of one bank, 追加 / 変更 / 削除
    QLabel* caption = text(this, "電源条件（変圧器バンク）", at(12, 6, 400, 22));
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    banks_ = new QListWidget(this);
    banks_->setObjectName("ListBox1");
    banks_->setGeometry(12, 30, 520, 186);
    connect(banks_, &QListWidget::currentRowChanged, this, [this](int index) {
        if (index == m_.ListBox1) return;
        m_.ListBox1 = index;
        run([this] { m_.ListBox1Click(); });
    });
    onRefresh([this] {
        QSignalBlocker block(banks_);
        banks_->clear();
        for (const std::string& line : m_.ListBox1Items) banks_->addItem(qs(line));
        banks_->setCurrentRow(m_.ListBox1);
    });

    struct Field {
        const char* caption;
        const char* name;
        std::string TForm7::*field;
    };
    const Field left[] = {{"名称", "Edit1", &TForm7::Edit1},
                          {"二次電圧 [V]", "Edit2", &TForm7::Edit2},
                          {"定格容量 [kVA]", "Edit3", &TForm7::Edit3},
                          {"%Z", "Edit4", &TForm7::Edit4}};
    const Field right[] = {{"%R", "Edit5", &TForm7::Edit5},
                           {"負荷損 [W]", "Edit6", &TForm7::Edit6},
                           {"高圧側短絡電流 [kA]", "Edit7", &TForm7::Edit7},
                           {"高圧側電圧 [kV]", "Edit8", &TForm7::Edit8}};
    // Reading order: the left column top-down (相 after 名称), then the right one.
    int y = 30;
    for (std::size_t i = 0; i < std::size(left); ++i) {
        text(this, left[i].caption, at(548, y + 4, 130, 22));
        QLineEdit* e = edit(this, left[i].name, m_.*(left[i].field), at(680, y, 150, 28));
        if (i > 0) e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        y += 34;
        if (i == 0) {
            text(this, "相", at(548, y + 4, 130, 22));
            auto* phases = new QComboBox(this);
            phases->setObjectName("ComboBox1");
            phases->setGeometry(680, y, 150, 28);
            for (const std::string& item : m_.ComboBox1Items) phases->addItem(qs(item));
            connect(phases, &QComboBox::activated, this, [this, phases](int index) {
                m_.ComboBox1 = ss(phases->itemText(index));
            });
            onRefresh([this, phases] {
                QSignalBlocker block(phases);
                phases->setCurrentIndex(phases->findText(qs(m_.ComboBox1), Qt::MatchExactly));
            });
            y += 34;
        }
    }
    y = 30;
    for (const Field& f : right) {
        text(this, f.caption, at(852, y + 4, 170, 22));
        QLineEdit* e = edit(this, f.name, m_.*(f.field), at(1024, y, 120, 28));
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        y += 34;
    }
    QLabel* hint = text(this,
                        "%R の代わりに負荷損 [W] を入力できます（%R = 負荷損 / (10 × kVA)）。%R も負荷損も空欄なら %R = 0 として計算します。"
                        "高圧側短絡電流が空欄なら無限大母線とします。",
                        at(852, 166, 420, 52));
    hint->setWordWrap(true);
    QFont small = hint->font();
    small.setPointSize(8);
    hint->setFont(small);

    button(this, "Button1", "追加", at(1300, 30, 160, 32), [this] { m_.Button1Click(); });
    bindEnabled(button(this, "Button2", "変更", at(1300, 68, 160, 32), [this] { m_.Button2Click(); }), m_.Button2Enabled);
    bindEnabled(button(this, "Button3", "削除", at(1300, 106, 160, 32), [this] { m_.Button3Click(); }), m_.Button3Enabled);

    // ---- breaking time and outputs
    text(this, "遮断時間 t [s]", at(12, 232, 120, 22));
    QLineEdit* time = edit(this, "Edit9", m_.Edit9, at(134, 228, 90, 28));
    time->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(time, &QLineEdit::editingFinished, this, [this] { run([this] { m_.Edit9Exit(); }); });
    text(this, "（ケーブルの短時間耐量の計算に用いる。瞬時遮断は 0.02）", at(232, 232, 460, 22));

    button(this, "Button5", "印刷", at(960, 226, 120, 32), [this] { printDocument(); });
    button(this, "Button6", "PDF出力", at(1086, 226, 120, 32), [this] { writePdf(); });
    button(this, "Button7", "Excel出力", at(1212, 226, 120, 32), [this] { m_.Button7Click(); });
    button(this, "Button8", "閉じる", at(1340, 226, 120, 32), [this] { accept(); });

    // ---- the grid of every row
    const std::vector<ShortCircuitColumn>& columns = shortCircuitColumns();
    grid_ = new QTableWidget(this);
    grid_->setObjectName("StringGrid1");
    grid_->setGeometry(12, 266, 1456, 512);
    grid_->setColumnCount(static_cast<int>(columns.size()));
    // Three heading lines: the group's short name, then the column's own lines.
    QStringList headings;
    for (const ShortCircuitColumn& c : columns) {
        QStringList lines;
        lines << qs(c.screenGroup);
        for (std::string_view h : c.heading) lines << qs(h);
        while (lines.size() < 3) lines << QString();
        headings << lines.join("\n");
    }
    grid_->setHorizontalHeaderLabels(headings);
    QFont headingFont = grid_->horizontalHeader()->font();
    headingFont.setPointSize(8);
    grid_->horizontalHeader()->setFont(headingFont);
    for (std::size_t c = 0; c < columns.size(); ++c)
        grid_->setColumnWidth(static_cast<int>(c), static_cast<int>(std::lround(columns[c].printWidth * 0.232)));
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(22);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                           QAbstractItemView::EditKeyPressed);
    grid_->setItemDelegate(new ChoiceDelegate(grid_, m_, [this](int line, int column, const QString& text) {
        // Handled once the editor has closed: the handler rebuilds the grid.
        QTimer::singleShot(0, this, [this, line, column, value = ss(text)] {
            run([&] {
                if (column == sccol::Bank)
                    m_.StringGrid1SetBank(line, value);
                else if (column == sccol::BreakerIcu)
                    m_.StringGrid1SetBreakerIcu(line, value);
                else
                    m_.StringGrid1SetMainIcu(line, value);
            });
        });
    }));
    onRefresh([this] { fillGrid(); });

    QLabel* summary = label(this, "Label1", m_.Label1, at(12, 786, 1200, 24));
    summary->setFont(bold);

    setFocusRequest(&m_.ActiveControl);
    refresh();
}

void ShortCircuitDialog::fillGrid()
{
    const int scrolled = grid_->verticalScrollBar() ? grid_->verticalScrollBar()->value() : 0;
    const int current = grid_->currentRow();
    QSignalBlocker block(grid_);
    grid_->setRowCount(static_cast<int>(m_.StringGrid1.size()));
    const QFont font = print::minchoFont(13);
    for (int r = 0; r < grid_->rowCount(); ++r) {
        const TForm7::GridLine& line = m_.StringGrid1[static_cast<std::size_t>(r)];
        for (int c = 0; c < grid_->columnCount(); ++c) {
            const ShortCircuitCell& cell = line.cells[static_cast<std::size_t>(c)];
            auto* item = new QTableWidgetItem(qs(cell.text));
            item->setFont(font);
            item->setForeground(cell.failed ? QColor(Qt::red) : kNavy);
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (editable(line, c)) {
                flags |= Qt::ItemIsEditable;
                item->setBackground(kEditableCell);
            }
            item->setFlags(flags);
            if (shortCircuitColumns()[static_cast<std::size_t>(c)].decimals >= 0 && cell.number)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c == sccol::Judgement) item->setToolTip(qs(cell.text));
            grid_->setItem(r, c, item);
        }
    }
    if (current >= 0 && current < grid_->rowCount()) grid_->setCurrentCell(current, grid_->currentColumn());
    if (grid_->verticalScrollBar()) grid_->verticalScrollBar()->setValue(scrolled);
}

void ShortCircuitDialog::printDocument()
{
    printOnChosenPrinter(this, *host(), [this] { return m_.document(); });
}

void ShortCircuitDialog::writePdf()
{
    writePdfToChosenFile(*host(), m_.proposedPath(".pdf"), m_.sheetFile(), [this] { return m_.document(); });
}

void execShortCircuit(QWidget* parent, Host& host, TForm7& form)
{
    form.host = &host;
    form.FormShow();
    ShortCircuitDialog dialog(parent, host, form);
    dialog.exec();
}

}  // namespace tolvane::gui
