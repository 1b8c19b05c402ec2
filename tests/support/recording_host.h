// A host for tests of the commands and forms: records every message (by kind,
// and all of them in order) and answers questions and file dialogs from queues.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "host/quiet_host.h"

namespace tolvane::testing {

class RecordingHost : public QuietHost {
public:
    std::vector<std::string> informed, asked, warned, errors;
    std::vector<std::string> messages;             // every text above, in the order shown
    std::vector<std::string> withYesButton;        // the one-button boxes whose button reads "はい"
    std::deque<bool> answers;                      // for ask(); empty -> No
    std::deque<UnsavedWork> unsavedAnswers;        // for askUnsavedWork(); empty -> キャンセル
    std::deque<std::optional<std::string>> files;  // for chooseFile(); empty -> cancel
    std::vector<std::string> proposedNames;
    std::deque<std::optional<std::string>> items;  // for chooseItem(); empty -> cancel
    std::vector<std::string> itemPrompts;

    void inform(std::string_view t) override { record(informed, t); }
    bool ask(std::string_view t) override
    {
        record(asked, t);
        if (answers.empty()) return false;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void warn(std::string_view t) override { record(warned, t); }
    UnsavedWork askUnsavedWork(std::string_view t) override
    {
        record(asked, t);
        if (unsavedAnswers.empty()) return UnsavedWork::Cancel;
        UnsavedWork a = unsavedAnswers.front();
        unsavedAnswers.pop_front();
        return a;
    }
    void informYes(std::string_view t) override
    {
        withYesButton.emplace_back(t);
        inform(t);
    }
    void warnYes(std::string_view t) override
    {
        withYesButton.emplace_back(t);
        warn(t);
    }
    void reportError(std::string_view t) override { record(errors, t); }
    std::optional<std::string> chooseFile(FileDialog, std::string_view proposed) override
    {
        proposedNames.emplace_back(proposed);
        if (files.empty()) return std::nullopt;
        auto f = files.front();
        files.pop_front();
        return f;
    }

    std::optional<std::string> chooseItem(std::string_view prompt, const std::vector<std::string>&) override
    {
        itemPrompts.emplace_back(prompt);
        if (items.empty()) return std::nullopt;
        auto item = items.front();
        items.pop_front();
        return item;
    }

private:
    void record(std::vector<std::string>& kind, std::string_view t)
    {
        kind.emplace_back(t);
        messages.emplace_back(t);
    }
};

}  // namespace tolvane::testing
