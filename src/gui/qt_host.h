// The program's host on screen: message boxes, file dialogs and the modal
// forms, shown over the main window.
#pragma once

#include <functional>

#include "host/host.h"

class QWidget;

namespace tolvane::gui {

class QtHost : public Host {
public:
    explicit QtHost(QWidget* window);

    void inform(std::string_view text) override;
    bool ask(std::string_view text) override;
    void warn(std::string_view text) override;
    UnsavedWork askUnsavedWork(std::string_view text) override;
    void informYes(std::string_view text) override;
    void warnYes(std::string_view text) override;
    void reportError(std::string_view text) override;
    void beep() override;
    void scrollToRow(int row) override;

    void showKeypad(TForm3& keypad) override;
    void showCalculator(TForm5& calculator) override;
    void showCableWindow(Tdensen& window) override;
    void showFeederForm(TForm2& form) override;
    void showBranchForm(TForm4& form) override;

    std::optional<std::string> chooseFile(FileDialog kind, std::string_view proposed) override;
    std::optional<std::string> chooseItem(std::string_view prompt, const std::vector<std::string>& items) override;

    // How the window scrolls the sheet to a row and selects it.
    std::function<void(int)> onScrollToRow;

private:
    QWidget* window_;
};

}  // namespace tolvane::gui
