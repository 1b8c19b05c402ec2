// Runs tolvane-cli through the shell, as a user's script would, and collects
// its exit code, standard output and standard error.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tolvane::test {

struct CliRun {
    int code = -1;  // exit code; -1 when the program did not exit normally
    std::string out, err;
};

// `args` go to the shell as written (quote what needs quoting). Standard
// output goes to `stdoutPath` when one is given (say "/dev/full"), and is
// then not collected.
inline CliRun runCli(const std::string& args, const std::string& stdoutPath = "")
{
    namespace fs = std::filesystem;
    static std::atomic<int> runs{0};
    const fs::path dir = fs::temp_directory_path() /
                         ("tolvane_cli_" + std::to_string(::getpid()) + "_" + std::to_string(runs++));
    fs::create_directories(dir);
    const fs::path out = dir / "out", err = dir / "err";
    const std::string command = std::string(TOLVANE_CLI) + " " + args + " >" +
                                (stdoutPath.empty() ? out.string() : stdoutPath) + " 2>" + err.string();
    const int status = std::system(command.c_str());
    auto slurp = [](const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    CliRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(out), slurp(err)};
    fs::remove_all(dir);
    return run;
}

}  // namespace tolvane::test
