// Driving the modal forms in a test: a host that shows the real dialogs and
// records its messages, and a script of steps, each run when its dialog is
// the active modal window (nested dialogs included).
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "gui/form_dialogs.h"
#include "host/host.h"

namespace tolvane::test {

class DialogHost : public Host {
public:
    std::vector<std::string> messages;  // every box shown, in order
    std::deque<bool> answers;           // answers to questions; No when empty
    int beeps = 0;

    void inform(std::string_view text) override { messages.emplace_back(text); }
    bool ask(std::string_view text) override
    {
        messages.emplace_back(text);
        if (answers.empty()) return false;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void warn(std::string_view text) override { messages.emplace_back(text); }
    UnsavedWork askUnsavedWork(std::string_view text) override
    {
        messages.emplace_back(text);
        return UnsavedWork::Cancel;
    }
    void reportError(std::string_view text) override { messages.emplace_back(text); }
    void beep() override { ++beeps; }

    void showKeypad(TForm3& keypad) override { gui::execKeypad(nullptr, keypad); }
    void showCalculator(TForm5& calculator) override { gui::execCalculator(nullptr, *this, calculator); }
    void showCableWindow(Tdensen& window) override { gui::execCableWindow(nullptr, *this, window); }
    void showFeederForm(TForm2& form) override { gui::execFeederForm(nullptr, *this, form); }
    void showBranchForm(TForm4& form) override { gui::execBranchForm(nullptr, *this, form); }
    std::optional<std::string> chooseFile(FileDialog, std::string_view) override { return std::nullopt; }
};

// Steps run one after the other, each when the dialog of its name is the
// active modal window. A step may open a nested dialog; the next step then
// runs inside it.
class Script : public QObject {
public:
    using Action = std::function<void(QWidget*)>;

    void when(const char* dialog, Action action) { steps_.push_back({QString::fromLatin1(dialog), std::move(action)}); }

    // Starts polling; a dialog still open after `timeoutMs` is closed so that
    // a broken script fails instead of hanging.
    void start(int timeoutMs = 30000)
    {
        poll();
        QTimer::singleShot(timeoutMs, this, [this] {
            timedOut = true;
            steps_.clear();
            closeModal();
        });
    }
    bool done() const { return steps_.empty() && !timedOut; }
    bool timedOut = false;

private:
    struct Step {
        QString dialog;
        Action action;
    };
    void poll()
    {
        QTimer::singleShot(10, this, [this] { tick(); });
    }
    // Closes the open dialogs one by one, innermost first.
    void closeModal()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (!w) return;
        QMetaObject::invokeMethod(w, [w] { w->close(); }, Qt::QueuedConnection);
        QTimer::singleShot(50, this, [this] { closeModal(); });
    }
    void tick()
    {
        if (steps_.empty()) return;
        QWidget* w = QApplication::activeModalWidget();
        if (w && w->isVisible() && w->objectName() == steps_.front().dialog) {
            Step step = steps_.front();
            steps_.pop_front();
            // The step runs outside the timer's dispatch, so that timers keep
            // firing while it runs a nested dialog; polling goes on meanwhile.
            QMetaObject::invokeMethod(this, [step, w] { step.action(w); }, Qt::QueuedConnection);
            poll();
            return;
        }
        poll();
    }
    std::deque<Step> steps_;
};

inline QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Types any text, one key per character (QTest::keyClicks takes only ASCII).
inline void typeText(QWidget* w, const QString& text)
{
    for (QChar c : text) QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

template <class W>
W* child(QWidget* dialog, const char* name)
{
    W* w = dialog->findChild<W*>(QString::fromLatin1(name));
    if (!w) qWarning("no control %s", name);
    return w;
}

// Clicks a control; a radio button or check box on its mark, as a user does.
inline void click(QWidget* dialog, const char* name)
{
    QWidget* w = child<QWidget>(dialog, name);
    auto* b = qobject_cast<QAbstractButton*>(w);
    if (b && b->isCheckable())
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
    else
        QTest::mouseClick(w, Qt::LeftButton);
}

// Types a text over the text of an editable list, without Enter.
inline QLineEdit* typeInList(QWidget* dialog, const char* name, std::string_view text)
{
    QLineEdit* e = child<QComboBox>(dialog, name)->lineEdit();
    e->setFocus();
    e->selectAll();
    typeText(e, q(text));
    return e;
}

// Types a text into an editable list and presses Enter, which takes it as a choice.
inline void choose(QWidget* dialog, const char* name, std::string_view text)
{
    QTest::keyClick(typeInList(dialog, name, text), Qt::Key_Return);
}

inline void type(QWidget* dialog, const char* name, std::string_view text)
{
    auto* e = child<QLineEdit>(dialog, name);
    e->setFocus();
    e->selectAll();
    typeText(e, q(text));
}

inline QString textOf(QWidget* dialog, const char* name)
{
    QWidget* w = child<QWidget>(dialog, name);
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* b = qobject_cast<QPushButton*>(w)) return b->text();
    return w->property("text").toString();
}

// Double-clicks the impedance-grid row whose size is `size`, as a user does:
// a click, then the double-click.
inline void doubleClickSize(QWidget* cableWindow, std::string_view size)
{
    auto* grid = child<QTableWidget>(cableWindow, "StringGrid7");
    auto found = grid->findItems(q(size), Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), "size row not in the grid");
    QTableWidgetItem* item = found.front();
    grid->scrollToItem(item);
    QPoint at = grid->visualItemRect(item).center();
    QTest::mouseMove(grid->viewport(), at);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace tolvane::test
