// tolvane-cli: each command lives in its own cmd_*.cpp and registers itself
// with a static CommandRegistration.
//
// The usage text of a command is also the list of its options: "[--mode
// item|rows18]" names an option that takes a value, "[--recalc]" a flag.
// Before a command runs, `--help` / `-h` print its usage, and any other
// argument that looks like an option but is not named there is refused.
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
inline constexpr int kExitReported = 1;     // ran, and has something to report
inline constexpr int kExitBadInput = 2;     // bad arguments, an unknown option or unreadable input
inline constexpr int kExitCannotWrite = 3;  // an output file or standard output cannot be written

}  // namespace tolvane::cli
