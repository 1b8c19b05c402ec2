#include "gui/dialogs/form_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

#include "app/command_guard.h"
#include "gui/print/fonts.h"
#include "gui/return_key.h"
#include "host/host.h"

namespace tolvane::gui {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string ss(const QString& text) { return text.toStdString(); }

FormDialog::FormDialog(QWidget* parent, Host* host, std::string_view objectName) : QDialog(parent), host_(host)
{
    setObjectName(qs(objectName));
    // The forms draw their own controls at fixed places.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void FormDialog::run(const Handler& handler)
{
    ++running_;
    // Whatever stops a handler is told; the form stays usable.
    runGuarded(host_, handler);
    --running_;
    refresh();
    applyFocusRequest();
    if (running_ == 0) finishIfClosing();
}

void FormDialog::refresh()
{
    for (auto& r : refreshers_) r();
}

void FormDialog::setCloseTest(std::function<bool()> closeRequested, std::function<bool()> accepted)
{
    closeRequested_ = std::move(closeRequested);
    accepted_ = std::move(accepted);
}

bool FormDialog::finishIfClosing()
{
    if (!closeRequested_ || !closeRequested_()) return false;
    done(accepted_ && accepted_() ? QDialog::Accepted : QDialog::Rejected);
    return true;
}

void FormDialog::reject()
{
    // Esc and the close box close the form the way the model closes it.
    if (cancel_)
        run(cancel_);
    else
        QDialog::reject();
}

void FormDialog::setParked(bool parked)
{
    if (parked == parked_) return;
    parked_ = true;
    if (parked) parkedAt_ = pos();
    setVisible(!parked);
    if (!parked) move(parkedAt_);  // where it was, whatever the window manager would choose
    parked_ = parked;
}

void FormDialog::setVisible(bool visible)
{
    if (parked_)
        QWidget::setVisible(visible);
    else
        QDialog::setVisible(visible);
}

void FormDialog::showEvent(QShowEvent* event)
{
    if (!minchoApplied_) {
        // Texts and numbers in the sheet's Mincho face, each control at its
        // own size. Set on every control: one under a style sheet takes no
        // font from its parent.
        minchoApplied_ = true;
        QList<QWidget*> widgets = findChildren<QWidget*>();
        widgets << this;
        for (QWidget* w : widgets) {
            QFont f = w->font();
            f.setFamilies(print::minchoFamilies());
            w->setFont(f);
        }
    }
    QDialog::showEvent(event);
    refresh();
    applyFocusRequest();
}

void FormDialog::applyFocusRequest()
{
    if (!focusRequest_ || focusRequest_->empty()) return;
    if (auto* w = findChild<QWidget*>(qs(*focusRequest_)); w && w->isEnabled()) w->setFocus(Qt::OtherFocusReason);
    focusRequest_->clear();
}

// ---- bindings

void FormDialog::onRefresh(std::function<void()> refresher) { refreshers_.push_back(std::move(refresher)); }

void FormDialog::bindVisible(QWidget* widget, const bool& flag)
{
    onRefresh([widget, &flag] { widget->setVisible(flag); });
}

void FormDialog::bindEnabled(QWidget* widget, const bool& flag)
{
    onRefresh([widget, &flag] { widget->setEnabled(flag); });
}

void FormDialog::hook(QObject* object, int type, std::function<bool(QEvent*)> handler)
{
    object->installEventFilter(this);
    hooks_.push_back({object, type, std::move(handler)});
}

void FormDialog::onMousePress(QWidget* widget, Handler handler)
{
    hook(widget, QEvent::MouseButtonPress, [this, handler](QEvent*) {
        run(handler);
        return true;
    });
}

void FormDialog::onDoubleClick(QWidget* widget, Handler handler)
{
    QObject* target = widget;
    if (auto* c = qobject_cast<QComboBox*>(widget); c && c->lineEdit()) target = c->lineEdit();
    hook(target, QEvent::MouseButtonDblClick, [this, handler](QEvent*) {
        run(handler);
        return true;
    });
}

void FormDialog::onMouseEnter(QWidget* widget, Handler handler)
{
    hook(widget, QEvent::Enter, [this, handler](QEvent*) {
        run(handler);
        return false;
    });
}

void FormDialog::onEvent(QObject* object, int type, Handler handler, bool consume)
{
    hook(object, type, [this, handler, consume](QEvent*) {
        run(handler);
        return consume;
    });
}

bool FormDialog::eventFilter(QObject* watched, QEvent* event)
{
    for (auto& h : hooks_)
        if (h.object == watched && h.type == event->type()) return h.handler(event);
    return QDialog::eventFilter(watched, event);
}

// ---- widgets

QLabel* FormDialog::text(QWidget* parent, std::string_view caption, QRect r)
{
    auto* l = new QLabel(qs(caption), parent);
    l->setGeometry(r);
    return l;
}

QLabel* FormDialog::label(QWidget* parent, const char* name, const std::string& field, QRect r)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(r);
    onRefresh([l, &field] { l->setText(qs(field)); });
    return l;
}

QLineEdit* FormDialog::edit(QWidget* parent, const char* name, std::string& field, QRect r)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(r);
    connect(e, &QLineEdit::textEdited, this, [&field](const QString& t) { field = ss(t); });
    onRefresh([e, &field] {
        if (ss(e->text()) != field) e->setText(qs(field));
    });
    return e;
}

void FormDialog::onEdited(QLineEdit* e, Handler handler)
{
    auto dirty = std::make_shared<bool>(false);
    connect(e, &QLineEdit::textEdited, this, [dirty] { *dirty = true; });
    connect(e, &QLineEdit::editingFinished, this, [this, dirty, handler] {
        if (!*dirty) return;
        *dirty = false;
        run(handler);
    });
}

QComboBox* FormDialog::combo(QWidget* parent, const char* name, std::string& field,
                             const std::vector<std::string>& items, QRect r, Handler chosen, bool onLeave)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setGeometry(r);
    c->setEditable(true);
    // The typed text stays as typed: no completion, no insertion into the list.
    c->setCompleter(nullptr);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMaxVisibleItems(20);
    c->lineEdit()->setObjectName(QString::fromLatin1(name) + "Edit");

    auto shown = std::make_shared<std::vector<std::string>>();
    auto dirty = std::make_shared<bool>(false);
    auto commit = [this, c, &field, chosen, dirty] {
        field = ss(c->currentText());
        *dirty = false;
        if (chosen)
            run(chosen);
        else
            refresh();
    };
    // Leaving an editable list makes it report its text as activated when the
    // text names an entry; that is no choice of the user and must not run the
    // list's handler (it would, for instance, open the cable window again).
    auto leaving = std::make_shared<bool>(false);
    hook(c, QEvent::FocusOut, [c, leaving](QEvent*) {
        *leaving = true;
        QMetaObject::invokeMethod(c, [leaving] { *leaving = false; }, Qt::QueuedConnection);
        return false;
    });
    connect(c, &QComboBox::activated, this, [c, commit, leaving](int index) {
        if (*leaving) return;
        c->setEditText(c->itemText(index));
        commit();
    });
    connect(c->lineEdit(), &QLineEdit::textEdited, this, [&field, dirty](const QString& t) {
        field = ss(t);
        *dirty = true;
    });
    if (onLeave)
        connect(c->lineEdit(), &QLineEdit::editingFinished, this, [dirty, commit] {
            if (*dirty) commit();
        });
    // Enter on a list commits its text as a choice would.
    hook(c->lineEdit(), QEvent::KeyPress, [commit](QEvent* event) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        commit();
        return true;
    });
    onRefresh([c, &field, &items, shown] {
        QSignalBlocker block(c);
        if (*shown != items) {
            c->clear();
            for (const auto& item : items) c->addItem(qs(item));
            *shown = items;
        }
        int index = c->findText(qs(field), Qt::MatchExactly);
        if (index >= 0 && c->currentIndex() != index) c->setCurrentIndex(index);
        if (ss(c->currentText()) != field) c->setEditText(qs(field));
    });
    return c;
}

QPushButton* FormDialog::button(QWidget* parent, const char* name, std::string_view caption, QRect r,
                                Handler clicked)
{
    auto* b = new QPushButton(qs(caption), parent);
    b->setObjectName(name);
    b->setGeometry(r);
    // Enter belongs to the control that has the focus, never to a default
    // button: on a button it presses that button.
    b->setAutoDefault(false);
    b->setDefault(false);
    pressOnReturn(b);
    connect(b, &QPushButton::clicked, this, [this, clicked] { run(clicked); });
    return b;
}

QPushButton* FormDialog::captionButton(QWidget* parent, const char* name, const std::string& caption, QRect r,
                                       Handler clicked)
{
    QPushButton* b = button(parent, name, std::string_view(caption), r, std::move(clicked));
    onRefresh([b, &caption] { b->setText(qs(caption)); });
    return b;
}

QRadioButton* FormDialog::radio(QWidget* parent, const char* name, std::string_view caption, const bool& field,
                                QRect r, Handler clicked)
{
    auto* b = new QRadioButton(qs(caption), parent);
    b->setObjectName(name);
    b->setGeometry(r);
    // The model decides which button of a group is chosen.
    b->setAutoExclusive(false);
    connect(b, &QRadioButton::clicked, this, [this, clicked] { run(clicked); });
    onRefresh([b, &field] {
        QSignalBlocker block(b);
        b->setChecked(field);
    });
    return b;
}

QCheckBox* FormDialog::check(QWidget* parent, const char* name, std::string_view caption, bool& field, QRect r)
{
    auto* b = new QCheckBox(qs(caption), parent);
    b->setObjectName(name);
    b->setGeometry(r);
    connect(b, &QCheckBox::clicked, this, [&field](bool on) { field = on; });
    onRefresh([b, &field] {
        QSignalBlocker block(b);
        b->setChecked(field);
    });
    return b;
}

}  // namespace tolvane::gui
