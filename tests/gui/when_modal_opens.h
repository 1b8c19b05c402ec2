// Runs a step on the next modal dialog or popup that opens, from inside its
// own event loop.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace tolvane::test {

inline void whenModalOpens(std::function<void(QWidget*)> handle)
{
    auto* timer = new QTimer;
    timer->setInterval(20);
    auto* deadline = new QElapsedTimer;
    deadline->start();
    QObject::connect(timer, &QTimer::timeout, [timer, handle, deadline] {
        if (deadline->elapsed() > 10000) {  // nothing opened: never touch a later test's dialog
            timer->stop();
            timer->deleteLater();
            delete deadline;
            return;
        }
        QWidget* w = QApplication::activePopupWidget();
        if (!w) w = QApplication::activeModalWidget();
        if (!w) return;
        timer->stop();
        timer->deleteLater();
        delete deadline;
        handle(w);
    });
    timer->start();
}

}  // namespace tolvane::test
