// A panel or window filled with one colour, as the program's panels are.
#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace tolvane::gui {

inline void setBackground(QWidget* widget, const QColor& colour)
{
    widget->setAutoFillBackground(true);
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
}

}  // namespace tolvane::gui
