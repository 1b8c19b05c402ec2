// tolvane-cli: each command lives in its own cmd_*.cpp and registers itself
// with a static CommandRegistration.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tolvane::cli {

// Arguments after the command name. Returns the process exit code.
using CommandFunction = std::function<int(const std::vector<std::string>& args)>;

struct CommandRegistration {
    CommandRegistration(std::string name, std::string usage, CommandFunction run);
};

// Exit codes shared by the commands.
inline constexpr int kExitOk = 0;
inline constexpr int kExitReported = 1;  // ran, and has something to report
inline constexpr int kExitBadInput = 2;  // bad arguments or unreadable input

}  // namespace tolvane::cli
