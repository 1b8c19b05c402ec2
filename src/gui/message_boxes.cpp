#include "gui/message_boxes.h"

#include <QApplication>
#include <QMessageBox>

namespace tolvane::gui {

namespace {
QString text(std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }

int showBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, std::string_view message,
            QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption, text(message), buttons, parent);
    if (buttons & QMessageBox::Yes) box.setButtonText(QMessageBox::Yes, QString::fromUtf8("はい(&Y)"));
    if (buttons & QMessageBox::No) box.setButtonText(QMessageBox::No, QString::fromUtf8("いいえ(&N)"));
    return box.exec();
}
}  // namespace

void informBox(QWidget* parent, std::string_view message)
{
    showBox(parent, QMessageBox::Information, QApplication::applicationDisplayName(), message, QMessageBox::Ok);
}

bool askBox(QWidget* parent, std::string_view message)
{
    return showBox(parent, QMessageBox::Warning, QString::fromUtf8("確認"), message,
                   QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void warnBox(QWidget* parent, std::string_view message)
{
    showBox(parent, QMessageBox::Warning, QString::fromUtf8("警告"), message, QMessageBox::Ok);
}

void errorBox(QWidget* parent, std::string_view message)
{
    showBox(parent, QMessageBox::Critical, QString::fromUtf8("エラー"), message, QMessageBox::Ok);
}

}  // namespace tolvane::gui
