#include "gui/status_line.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include "gui/background.h"
#include "gui/return_key.h"

namespace tolvane::gui {

StatusLine::StatusLine(QWidget* parent) : QFrame(parent), openUrl(&QDesktopServices::openUrl)
{
    setObjectName("StatusLine");
    setFrameShape(QFrame::StyledPanel);
    setBackground(this, QColor(255, 251, 240));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 2, 4, 2);
    message_ = new QLabel(this);
    message_->setObjectName("StatusMessage");
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(message_, 1);
    auto addButton = [&](const char* name, const char* caption, void (StatusLine::*action)()) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(name);
        pressOnReturn(b);
        connect(b, &QPushButton::clicked, this, action);
        row->addWidget(b);
    };
    addButton("OpenWrittenFile", "ファイルを開く", &StatusLine::openFile);
    addButton("OpenWrittenFolder", "フォルダを開く", &StatusLine::openFolder);
    addButton("CloseStatusLine", "×", &QWidget::hide);
    hide();
}

void StatusLine::showWritten(const QString& what, const QString& path)
{
    path_ = QFileInfo(path).absoluteFilePath();
    message_->setText(what + QString::fromUtf8(": ") + path_);
    show();
    raise();
}

QString StatusLine::text() const { return message_->text(); }

void StatusLine::openFile() { openUrl(QUrl::fromLocalFile(path_)); }

void StatusLine::openFolder() { openUrl(QUrl::fromLocalFile(QFileInfo(path_).absolutePath())); }

}  // namespace tolvane::gui
