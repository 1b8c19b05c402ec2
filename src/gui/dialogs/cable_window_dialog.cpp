#include "gui/dialogs/cable_window_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QTableWidget>

#include "app/command_guard.h"
#include "cables/corrections.h"
#include "cables/tdensen.h"
#include "gui/dialogs/drawings.h"
#include "gui/form_dialogs.h"

namespace tolvane::gui {

namespace {

// Client area of the window whose outer size, with its frame, is 663 × 568.
constexpr int kWidth = 647;
constexpr int kHeight = 529;
constexpr int kHeadingRows = 2;

QFrame* panel(QWidget* parent, const char* name, QRect r)
{
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setGeometry(r);
    f->setFrameShape(QFrame::StyledPanel);
    f->setFrameShadow(QFrame::Raised);
    return f;
}

// Leading whole number of a list text: "7～20" gives 7.
int leadingNumber(const std::string& text)
{
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

CableWindowDialog::CableWindowDialog(QWidget* parent, Host& host, Tdensen& window)
    : FormDialog(parent, &host, "Tdensen"), m_(window)
{
    setFixedSize(kWidth, kHeight);
    QFrame* all = panel(this, "Panel16", at(0, 0, kWidth, kHeight));

    buildTop(all);
    buildImpedancePanel(all);
    buildLayingPanel(all);
    buildConduitPanel(all);
    buildGroupingPanel(all);

    onRefresh([this] { setWindowTitle(qs(m_.Caption)); });
    setFocusRequest(&m_.ActiveControl);
    setCloseTest([this] { return m_.closeRequested; }, [this] { return m_.handBack.has_value(); });
    setCancel([this] { m_.FormCloseBox(); });
    refresh();
}

void CableWindowDialog::buildTop(QWidget* p)
{
    QLabel* title = text(p, Tdensen::kTitle, at(10, 6, 300, 22));
    QFont tf = title->font();
    tf.setPointSize(12);
    tf.setBold(true);
    title->setFont(tf);

    QComboBox* family = combo(p, "ComboBox11", m_.ComboBox11, m_.ComboBox11Items, at(10, 32, 420, 26),
                              [this] { m_.ComboBox11Change(); });
    family->setStyleSheet("QComboBox#ComboBox11, QComboBox#ComboBox11 QLineEdit { color: red; }");
    // The family shown follows every change of the list's text, typed too:
    // the grid, the type list and the current always belong to one family.
    connect(family->lineEdit(), &QLineEdit::textEdited, this, [this] { run([this] { m_.ComboBox11Change(); }); });

    combo(p, "ComboBox3", m_.ComboBox3, m_.ComboBox3Items, at(10, 64, 150, 26));
    edit(p, "Edit10", m_.Edit10, at(168, 64, 120, 26));
    text(p, Tdensen::kSizeUnit, at(292, 64, 40, 26));

    text(p, Tdensen::kAllowableCaption, at(450, 64, 64, 26));
    QLabel* current = label(p, "Label22", m_.Label22, at(514, 58, 80, 34));
    current->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    current->setFrameShape(QFrame::Panel);
    current->setFrameShadow(QFrame::Sunken);
    current->setStyleSheet("background: white; color: #0030a0;");
    QFont cf = current->font();
    cf.setPointSize(15);
    cf.setBold(true);
    current->setFont(cf);
    text(p, Tdensen::kAllowableUnit, at(598, 64, 30, 26));
}

void CableWindowDialog::buildImpedancePanel(QWidget* p)
{
    QFrame* f = panel(p, "Panel21", at(8, 98, 408, 300));
    bindVisible(f, m_.Panel21Visible);
    QLabel* instruction = text(f, Tdensen::kInstruction, at(6, 4, 396, 18));
    instruction->setStyleSheet("color: #0030a0;");
    text(f, Tdensen::kNoteCaption, at(6, 24, 150, 18));
    label(f, "Label166", m_.Label166, at(160, 24, 240, 18));

    grid_ = new QTableWidget(m_.StringGrid7.rowCount(), m_.StringGrid7.colCount(), f);
    grid_->setObjectName("StringGrid7");
    grid_->setGeometry(6, 46, 396, 248);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setMouseTracking(true);
    grid_->setTextElideMode(Qt::ElideNone);
    grid_->setWordWrap(false);
    grid_->verticalHeader()->setDefaultSectionSize(20);
    for (int c = 0; c < m_.StringGrid7.colCount(); ++c) grid_->setColumnWidth(c, 76);
    QFont gf = grid_->font();
    gf.setPointSizeF(gf.pointSizeF() - 1);
    grid_->setFont(gf);

    // The pointer, a click and a double-click pick a size; the keyboard moves
    // the pick up and down and Enter takes it as a double-click does.
    connect(grid_, &QTableWidget::cellEntered, this, [this](int row, int col) {
        runGuarded(host(), [this, row, col] { m_.StringGrid7MouseMove(col, row); });
    });
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int col) {
        run([this, row, col] {
            m_.StringGrid7MouseMove(col, row);
            m_.StringGrid7Click();
        });
    });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row, int col) {
        run([this, row, col] {
            m_.StringGrid7MouseMove(col, row);
            m_.StringGrid7DblClick();
        });
    });
    hook(grid_, QEvent::KeyPress, [this](QEvent* event) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        int row = grid_->currentRow();
        run([this, row] {
            m_.StringGrid7MouseMove(0, row);
            m_.StringGrid7DblClick();
        });
        return true;
    });
    hook(grid_, QEvent::KeyRelease, [this](QEvent* event) {
        auto* key = static_cast<QKeyEvent*>(event);
        bool moves = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down || key->key() == Qt::Key_PageUp ||
                     key->key() == Qt::Key_PageDown || key->key() == Qt::Key_Home || key->key() == Qt::Key_End;
        if (!moves || grid_->currentRow() == m_.uyy7) return false;
        int row = grid_->currentRow();
        run([this, row] {
            m_.StringGrid7MouseMove(0, row);
            m_.StringGrid7Click();
        });
        return false;
    });
    onRefresh([this] { refreshGrid(); });
}

void CableWindowDialog::refreshGrid()
{
    const TextGrid& g = m_.StringGrid7;
    if (grid_->rowCount() != g.rowCount()) grid_->setRowCount(g.rowCount());
    const QColor fixed = palette().color(QPalette::Button);
    QFont headingFont = grid_->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() - 1.5);
    for (int r = 0; r < g.rowCount(); ++r)
        for (int c = 0; c < g.colCount(); ++c) {
            QTableWidgetItem* item = grid_->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                grid_->setItem(r, c, item);
            }
            QString t = qs(g.cell(c, r));
            if (item->text() != t) item->setText(t);
            if (r < kHeadingRows) {
                // The two heading rows stay put like fixed rows.
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(fixed);
                item->setFont(headingFont);
            } else {
                item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            }
        }
    QSignalBlocker block(grid_);
    if (m_.uyy7 >= kHeadingRows && m_.uyy7 < g.rowCount()) {
        if (grid_->currentRow() != m_.uyy7) grid_->setCurrentCell(m_.uyy7, 0);
    } else {
        grid_->clearSelection();
    }
}

void CableWindowDialog::buildLayingPanel(QWidget* p)
{
    QFrame* f = panel(p, "Panel5", at(424, 98, 216, 300));
    bindVisible(f, m_.Panel5Visible);
    const bool* selected[] = {&m_.RadioButton8, &m_.RadioButton9, &m_.RadioButton10};
    const bool* visible[] = {&m_.RadioButton8Visible, &m_.RadioButton9Visible, &m_.RadioButton10Visible};
    int y = 10;
    int i = 0;
    for (const LayingCondition& c : LayingConditions()) {
        std::string name = "RadioButton" + std::to_string(c.radioButton);
        QRadioButton* b = radio(f, name.c_str(), c.caption, *selected[i], at(10, y, 196, 22),
                                [this, n = c.radioButton] { m_.selectRadioButton(n); });
        QLabel* note = text(f, c.note, at(30, y + 22, 176, 18));
        note->setStyleSheet("color: #606060;");
        bindVisible(b, *visible[i]);
        bindVisible(note, *visible[i]);
        y += 46;
        ++i;
    }
    label(f, "Label12", m_.Label12, at(10, 160, 196, 20));
    QLabel* t = text(f, Tdensen::kLayingTemperature, at(10, 188, 40, 24));
    // A typed temperature counts once the list is left, so that the currents
    // shown and handed back are always those of the temperature shown.
    QComboBox* ambient = combo(f, "ComboBox2", m_.ComboBox2, m_.ComboBox2Items, at(52, 188, 70, 26),
                               [this] { m_.ComboBox2Click(); }, true);
    QLabel* deg = text(f, "℃", at(126, 188, 20, 24));
    for (QWidget* w : {static_cast<QWidget*>(t), static_cast<QWidget*>(ambient), static_cast<QWidget*>(deg)})
        bindVisible(w, m_.ComboBox2Visible);
    text(f, Tdensen::kLayingMaximum, at(10, 222, 196, 20));
}

void CableWindowDialog::buildConduitPanel(QWidget* p)
{
    QFrame* f = panel(p, "Panel3", at(424, 98, 216, 300));
    bindVisible(f, m_.Panel3Visible);
    text(f, std::string(Tdensen::kConduitCaption1) + std::string(Tdensen::kConduitCaption2), at(10, 6, 196, 20));
    const bool* selected[] = {&m_.RadioButton1, &m_.RadioButton2, &m_.RadioButton3, &m_.RadioButton4,
                              &m_.RadioButton5, &m_.RadioButton6, &m_.RadioButton7};
    int i = 0;
    for (const WireCount& w : WireCounts()) {
        std::string name = "RadioButton" + std::to_string(w.radioButton);
        radio(f, name.c_str(), w.caption, *selected[i], at(14, 30 + i * 24, 180, 22),
              [this, n = w.radioButton] { m_.selectRadioButton(n); });
        ++i;
    }
    QLabel* t = text(f, Tdensen::kLayingTemperature, at(10, 204, 40, 24));
    QComboBox* ambient = combo(f, "ComboBox1", m_.ComboBox1, m_.ComboBox1Items, at(52, 204, 70, 26),
                               [this] { m_.ComboBox1Click(); }, true);
    QLabel* deg = text(f, "℃", at(126, 204, 20, 24));
    for (QWidget* w : {static_cast<QWidget*>(t), static_cast<QWidget*>(ambient), static_cast<QWidget*>(deg)})
        bindVisible(w, m_.ComboBox1Visible);
    text(f, Tdensen::kConduitBase, at(10, 238, 196, 20));
    text(f, Tdensen::kConduitMaximum, at(10, 260, 196, 20));
}

void CableWindowDialog::buildGroupingPanel(QWidget* p)
{
    QFrame* f = panel(p, "Panel1", at(8, 404, 632, 118));
    bindVisible(f, m_.Panel1Visible);
    new Picture(f, at(6, 6, 300, 106), [this](QPainter& painter, const QRect& r) {
        int spacing = m_.ComboBox6 == "S=3d" ? 3 : m_.ComboBox6 == "S=2d" ? 2 : 1;
        int perTier = leadingNumber(m_.ComboBox4);
        paintGrouping(painter, r, leadingNumber(m_.ComboBox5), std::min(perTier, 7), spacing,
                      perTier > 7 || m_.ComboBox4.find("～") != std::string::npos);
    });
    text(f, "段", at(318, 10, 60, 20));
    combo(f, "ComboBox5", m_.ComboBox5, m_.ComboBox5Items, at(318, 32, 60, 26), [this] { m_.ComboBox5Click(); });
    text(f, "列", at(388, 10, 80, 20));
    combo(f, "ComboBox4", m_.ComboBox4, m_.ComboBox4Items, at(388, 32, 80, 26), [this] { m_.ComboBox4Click(); });
    text(f, "S", at(478, 10, 70, 20));
    combo(f, "ComboBox6", m_.ComboBox6, m_.ComboBox6Items, at(478, 32, 70, 26), [this] { m_.ComboBox6Click(); });
    text(f, Tdensen::kGroupingCaption, at(558, 10, 66, 20));
    edit(f, "Edit1", m_.Edit1, at(558, 32, 66, 26))->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    onRefresh([f] { f->update(); });
}

void execCableWindow(QWidget* parent, Host& host, Tdensen& window)
{
    // The entry form that asked for a cable is out of sight meanwhile.
    auto* entryForm = qobject_cast<FormDialog*>(QApplication::activeModalWidget());
    if (entryForm) entryForm->setParked(true);

    CableWindowDialog dialog(parent, host, window);
    // Opens centred on the main window.
    if (QWidget* main = parent ? parent->window() : nullptr) {
        QRect r = main->frameGeometry();
        dialog.move(r.center() - QPoint(dialog.width() / 2, dialog.height() / 2));
    }
    dialog.exec();

    if (entryForm) entryForm->setParked(false);
}

}  // namespace tolvane::gui
