#include "gui/progress_panel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QVBoxLayout>

#include "gui/background.h"
#include "gui/print/fonts.h"

namespace tolvane::gui {

ProgressPanel::ProgressPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName("Panel3");
    setBackground(this, QColor(255, 251, 240));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(120, 40, 120, 40);

    auto styled = [this](const char* name, const char* text, const QColor& colour, int pixels) {
        auto* label = new QLabel(QString::fromUtf8(text), this);
        label->setObjectName(name);
        QFont f = print::minchoFont(pixels);
        f.setBold(true);
        f.setItalic(true);
        label->setFont(f);
        QPalette lp = label->palette();
        lp.setColor(QPalette::WindowText, colour);
        label->setPalette(lp);
        return label;
    };
    layout->addWidget(styled("Label49", "エクセル変換中", QColor(0, 128, 0), 40));
    layout->addSpacing(90);  // room for the picture
    layout->addWidget(styled("Label50", "※しばらくおまちください", QColor(128, 0, 0), 20));
    bar_ = new QProgressBar(this);
    bar_->setObjectName("ProgressBar1");
    layout->addWidget(bar_);
    layout->addStretch(1);
    hide();
}

void ProgressPanel::setProgress(int done, int total)
{
    bar_->setMaximum(std::max(total, 1));
    bar_->setValue(std::min(done, bar_->maximum()));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ProgressPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    // The picture of the panel: a small spreadsheet page being filled.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QRect page(120, 110, 77, 69);
    painter.setPen(QPen(QColor(0, 100, 0), 2));
    painter.setBrush(Qt::white);
    painter.drawRect(page);
    painter.setPen(QPen(QColor(0, 128, 0), 1));
    for (int y = page.top() + 14; y < page.bottom(); y += 11) painter.drawLine(page.left(), y, page.right(), y);
    for (int x = page.left() + 19; x < page.right(); x += 19) painter.drawLine(x, page.top(), x, page.bottom());
    painter.fillRect(QRect(page.left() + 1, page.top() + 1, page.width() - 1, 13), QColor(0, 128, 0));
}

}  // namespace tolvane::gui
