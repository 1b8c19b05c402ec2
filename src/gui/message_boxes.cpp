#include "gui/message_boxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace tolvane::gui {

namespace {
QString text(std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }

int showBox(QWidget* parent, QMessageBox::Icon icon, const char* caption, std::string_view message,
            QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, QString::fromUtf8(caption), text(message), buttons, parent);
    // The captions the program's users know, also where Qt's translations
    // are missing.
    if (buttons & QMessageBox::Yes) box.button(QMessageBox::Yes)->setText(QString::fromUtf8("はい(&Y)"));
    if (buttons & QMessageBox::No) box.button(QMessageBox::No)->setText(QString::fromUtf8("いいえ(&N)"));
    return box.exec();
}

QMessageBox::StandardButton standardOf(OneButton button)
{
    return button == OneButton::Yes ? QMessageBox::Yes : QMessageBox::Ok;
}
}  // namespace

void informBox(QWidget* parent, std::string_view message, OneButton button)
{
    showBox(parent, QMessageBox::Information, "情報", message, standardOf(button));
}

bool askBox(QWidget* parent, std::string_view message)
{
    return showBox(parent, QMessageBox::Warning, "確認", message, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

UnsavedWork askUnsavedWorkBox(QWidget* parent, std::string_view message)
{
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8("確認"), text(message),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setObjectName("UnsavedWorkBox");
    box.button(QMessageBox::Save)->setText(QString::fromUtf8("保存(&S)"));
    box.button(QMessageBox::Discard)->setText(QString::fromUtf8("保存しない(&N)"));
    box.button(QMessageBox::Cancel)->setText(QString::fromUtf8("キャンセル"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save: return UnsavedWork::Save;
    case QMessageBox::Discard: return UnsavedWork::Discard;
    default: return UnsavedWork::Cancel;
    }
}

void warnBox(QWidget* parent, std::string_view message, OneButton button)
{
    showBox(parent, QMessageBox::Warning, "警告", message, standardOf(button));
}

void errorBox(QWidget* parent, std::string_view message)
{
    showBox(parent, QMessageBox::Critical, "エラー", message, QMessageBox::Ok);
}

}  // namespace tolvane::gui
