// The window's boxes and dialogs answered without showing them: messages are
// recorded, questions and file dialogs answered from queues. The window's own
// scrolling (QtHost::onScrollToRow) still runs.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "gui/qt_host.h"

namespace tolvane::test {

class AnsweringHost : public gui::QtHost {
public:
    using QtHost::QtHost;
    std::vector<std::string> asked, informed, errors;
    std::deque<bool> answers;                // empty -> No
    std::deque<UnsavedWork> unsavedAnswers;  // empty -> キャンセル
    std::deque<std::string> files;           // empty -> the dialog is cancelled
    std::vector<std::string> proposed;
    bool fileDialogFails = false;
    // Runs while a notice would be on screen (the window as the user sees it then).
    std::function<void()> whileShown;

    void inform(std::string_view t) override { shown(t); }
    void warn(std::string_view t) override { shown(t); }
    void informYes(std::string_view t) override { shown(t); }
    void warnYes(std::string_view t) override { shown(t); }
    void reportError(std::string_view t) override { errors.emplace_back(t); }
    bool ask(std::string_view t) override
    {
        asked.emplace_back(t);
        bool yes = !answers.empty() && answers.front();
        if (!answers.empty()) answers.pop_front();
        return yes;
    }
    UnsavedWork askUnsavedWork(std::string_view t) override
    {
        asked.emplace_back(t);
        if (unsavedAnswers.empty()) return UnsavedWork::Cancel;
        UnsavedWork a = unsavedAnswers.front();
        unsavedAnswers.pop_front();
        return a;
    }
    std::optional<std::string> chooseFile(FileDialog, std::string_view name) override
    {
        proposed.emplace_back(name);
        if (fileDialogFails) throw std::runtime_error("ファイルダイアログを開けません");
        if (files.empty()) return std::nullopt;
        std::string f = files.front();
        files.pop_front();
        return f;
    }

private:
    void shown(std::string_view t)
    {
        informed.emplace_back(t);
        if (whileShown) whileShown();
    }
};

}  // namespace tolvane::test
