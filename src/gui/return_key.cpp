#include "gui/return_key.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace tolvane::gui {

namespace {

class ReturnPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        if (key->modifiers() & ~Qt::KeypadModifier) return false;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button || !button->isEnabled()) return false;
        button->click();
        return true;
    }
};

}  // namespace

void pressOnReturn(QAbstractButton* button)
{
    static ReturnPresses* filter = new ReturnPresses;  // one filter serves every button
    button->installEventFilter(filter);
}

}  // namespace tolvane::gui
