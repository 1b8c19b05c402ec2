// The one guard around every command of the main window and every handler of
// a form: whatever a command throws is shown in the general error box with
// its own text, the command stops there (what it already wrote stays) and the
// program keeps running. A user must never lose the open work to an error.
#pragma once

#include <exception>
#include <functional>
#include <string>

namespace tolvane {

class Host;

// What the general error box says of an error a command threw: its own text,
// or a sentence of ours where the library's text means nothing to a user.
std::string errorBoxText(const std::exception& error);

// Runs `action`; an exception it throws is reported through host->reportError
// (dropped when there is no host). Returns false when it threw.
bool runGuarded(Host* host, const std::function<void()>& action);

}  // namespace tolvane
