// A host that records the messages the cable window shows.
#pragma once

#include <string>
#include <vector>

#include "app/host.h"

namespace tolvane::testing {

class MessageHost : public Host {
public:
    std::vector<std::string> messages;

    void inform(std::string_view text) override { messages.emplace_back(text); }
    bool ask(std::string_view text) override
    {
        messages.emplace_back(text);
        return false;
    }
    void warn(std::string_view text) override { messages.emplace_back(text); }
    void reportError(std::string_view text) override { messages.emplace_back(text); }
    void beep() override {}
    void showKeypad(TForm3&) override {}
    void showCalculator(TForm5&) override {}
    void showCableWindow(Tdensen&) override {}
    void showFeederForm(TForm2&) override {}
    void showBranchForm(TForm4&) override {}
    std::optional<std::string> chooseFile(FileDialog, std::string_view) override { return std::nullopt; }
};

}  // namespace tolvane::testing
