#include "gui/qt_host.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QStringList>

#include "gui/form_dialogs.h"
#include "gui/message_boxes.h"

namespace tolvane::gui {

QtHost::QtHost(QWidget* window) : window_(window) {}

void QtHost::inform(std::string_view text) { informBox(window_, text); }
bool QtHost::ask(std::string_view text) { return askBox(window_, text); }
void QtHost::warn(std::string_view text) { warnBox(window_, text); }
UnsavedWork QtHost::askUnsavedWork(std::string_view text) { return askUnsavedWorkBox(window_, text); }
void QtHost::informYes(std::string_view text) { informBox(window_, text, OneButton::Yes); }
void QtHost::warnYes(std::string_view text) { warnBox(window_, text, OneButton::Yes); }
void QtHost::reportError(std::string_view text) { errorBox(window_, text); }
void QtHost::beep() { QApplication::beep(); }

void QtHost::scrollToRow(int row)
{
    if (onScrollToRow) onScrollToRow(row);
}

void QtHost::showKeypad(TForm3& keypad) { execKeypad(window_, keypad); }
void QtHost::showCalculator(TForm5& calculator) { execCalculator(window_, *this, calculator); }
void QtHost::showCableWindow(Tdensen& window) { execCableWindow(window_, *this, window); }
void QtHost::showFeederForm(TForm2& form) { execFeederForm(window_, *this, form); }
void QtHost::showBranchForm(TForm4& form) { execBranchForm(window_, *this, form); }

std::optional<std::string> QtHost::chooseFile(FileDialog kind, std::string_view proposed)
{
    const QString sheetFilter = QString::fromUtf8("ksk (*.ksk)");
    const QString name = QString::fromUtf8(proposed.data(), static_cast<qsizetype>(proposed.size()));
    QString path;
    switch (kind) {
    case FileDialog::OpenSheet:
        path = QFileDialog::getOpenFileName(window_, QString::fromUtf8("開く"), name, sheetFilter);
        break;
    case FileDialog::SaveSheet:
        path = QFileDialog::getSaveFileName(window_, QString::fromUtf8("保存"), name, sheetFilter);
        break;
    case FileDialog::SavePdf:
        path = QFileDialog::getSaveFileName(window_, QString::fromUtf8("PDF出力"), name, "PDF (*.pdf)");
        break;
    case FileDialog::SaveWorkbook:
        path = QFileDialog::getSaveFileName(window_, QString::fromUtf8("エクセル変換"), name, "Excel (*.xlsx)");
        break;
    }
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

std::optional<std::string> QtHost::chooseItem(std::string_view prompt, const std::vector<std::string>& items)
{
    QStringList list;
    for (const std::string& item : items) list << QString::fromStdString(item);
    bool ok = false;
    const QString chosen = QInputDialog::getItem(window_, QApplication::applicationDisplayName(),
                                                 QString::fromUtf8(prompt.data(), static_cast<qsizetype>(prompt.size())),
                                                 list, 0, false, &ok);
    if (!ok) return std::nullopt;
    return chosen.toStdString();
}

}  // namespace tolvane::gui
