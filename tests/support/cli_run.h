// Runs tolvane-cli as a user would from a shell and captures what it prints
// on standard output and its exit code.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace tolvane::testing {

struct CliRun {
    int exitCode = -1;
    std::string out;
};

// `args` are passed to the shell as they stand; standard error is dropped.
inline CliRun runCli(const std::string& args)
{
    const std::string command = std::string("'") + TOLVANE_CLI + "' " + args + " 2>/dev/null";
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) run.out += buffer;
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace tolvane::testing
