// A host for the main window's commands in tests: records every message and
// answers questions and file dialogs from queues.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/host.h"

namespace tolvane::testing {

class RecordingHost : public Host {
public:
    std::vector<std::string> informed, asked, warned, errors;
    std::deque<bool> answers;                      // for ask(); empty -> No
    std::deque<std::optional<std::string>> files;  // for chooseFile(); empty -> cancel
    std::vector<std::string> proposedNames;

    void inform(std::string_view t) override { informed.emplace_back(t); }
    bool ask(std::string_view t) override
    {
        asked.emplace_back(t);
        if (answers.empty()) return false;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void warn(std::string_view t) override { warned.emplace_back(t); }
    void reportError(std::string_view t) override { errors.emplace_back(t); }
    void beep() override {}
    void showKeypad(TForm3&) override {}
    void showCalculator(TForm5&) override {}
    void showCableWindow(Tdensen&) override {}
    void showFeederForm(TForm2&) override {}
    void showBranchForm(TForm4&) override {}
    std::optional<std::string> chooseFile(FileDialog, std::string_view proposed) override
    {
        proposedNames.emplace_back(proposed);
        if (files.empty()) return std::nullopt;
        auto f = files.front();
        files.pop_front();
        return f;
    }
};

}  // namespace tolvane::testing
