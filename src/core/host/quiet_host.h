// A host that shows nothing: every message is dropped, every question is
// answered "No" (the question about unsaved work "キャンセル"), no form opens and no file is chosen. Hosts that only watch
// some of these (a command-line tool, a test, the screenshot tour) override
// what they need.
#pragma once

#include "host/host.h"

namespace tolvane {

class QuietHost : public Host {
public:
    void inform(std::string_view) override {}
    bool ask(std::string_view) override { return false; }
    void warn(std::string_view) override {}
    UnsavedWork askUnsavedWork(std::string_view) override { return UnsavedWork::Cancel; }
    void reportError(std::string_view) override {}
    void beep() override {}
    void showKeypad(TForm3&) override {}
    void showCalculator(TForm5&) override {}
    void showCableWindow(Tdensen&) override {}
    void showFeederForm(TForm2&) override {}
    void showBranchForm(TForm4&) override {}
    std::optional<std::string> chooseFile(FileDialog, std::string_view) override { return std::nullopt; }
};

}  // namespace tolvane
