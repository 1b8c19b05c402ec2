#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>

#include "app/version.h"
#include "cli/command.h"
#include "text/numbers.h"

namespace tolvane::cli {

namespace {
struct Entry {
    std::string usage;
    CommandFunction run;
};
std::map<std::string, Entry>& registry()
{
    static std::map<std::string, Entry> commands;
    return commands;
}

void printUsage(std::ostream& out)
{
    out << "usage: tolvane-cli COMMAND [ARGUMENTS...]\n"
           "       tolvane-cli COMMAND --help    the usage of one command\n"
           "       tolvane-cli --version\n"
           "Tolvane の幹線計算シート (*.ksk) を画面なしで検査・再計算・出力します。\n"
           "commands:\n";
    for (const auto& [name, entry] : registry()) {
        out << "  ";
        for (char c : entry.usage) out << c << (c == '\n' ? "  " : "");
        out << "\n";
    }
    out << "exit codes: 0 done, 1 something to report, 2 bad arguments or unreadable input,\n"
           "            3 an output file or standard output cannot be written\n";
}

void printCommandUsage(std::ostream& out, const Entry& entry) { out << "usage: tolvane-cli " << entry.usage << "\n"; }

// The options a usage text names, each with whether it takes a value:
// "[--supply transformer|utility]" takes one, "[--recalc]" does not.
std::map<std::string, bool> optionsOf(const std::string& usage)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : usage + " ") {
        if (c == ' ' || c == '\n') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    std::map<std::string, bool> options;
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::string w = words[i];
        if (w.starts_with('[')) w.erase(0, 1);
        if (w.size() < 2 || w[0] != '-' || w == "...") continue;
        const bool closes = w.ends_with(']');
        while (w.ends_with(']')) w.pop_back();
        const bool value = !closes && i + 1 < words.size() && !words[i + 1].starts_with('-') &&
                           !words[i + 1].starts_with('[');
        options[w] = value;
    }
    return options;
}

// "-x" and "--xyz" are options; "-" alone and negative numbers are not.
bool looksLikeOption(const std::string& arg) { return arg.size() > 1 && arg[0] == '-' && !tryParseDecimal(arg); }

// Refuses an option the command's usage does not name; true when all are known.
bool optionsKnown(const std::string& command, const Entry& entry, const std::vector<std::string>& args)
{
    const std::map<std::string, bool> known = optionsOf(entry.usage);
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!looksLikeOption(args[i])) continue;
        auto option = known.find(args[i]);
        if (option == known.end()) {
            std::cerr << "tolvane-cli " << command << ": 不明なオプションです: " << args[i] << "\n";
            printCommandUsage(std::cerr, entry);
            return false;
        }
        if (option->second) ++i;  // its value may look like anything
    }
    return true;
}

bool asksForHelp(const std::vector<std::string>& args)
{
    for (const std::string& arg : args)
        if (arg == "--help" || arg == "-h") return true;
    return false;
}

int run(int argc, char** argv)
{
    const std::vector<std::string> all(argv + 1, argv + argc);
    if (all.empty()) {
        printUsage(std::cerr);
        return kExitBadInput;
    }
    const std::string& first = all[0];
    if (first == "--help" || first == "-h" || first == "help") {
        if (all.size() == 2 && registry().count(all[1]))
            printCommandUsage(std::cout, registry()[all[1]]);
        else
            printUsage(std::cout);
        return kExitOk;
    }
    if (first == "--version") {
        std::cout << "tolvane-cli " << kVersion << "\n";
        return kExitOk;
    }
    auto command = registry().find(first);
    if (command == registry().end()) {
        std::cerr << "tolvane-cli: " << (looksLikeOption(first) ? "不明なオプションです: " : "不明なコマンドです: ")
                  << first << "\n";
        printUsage(std::cerr);
        return kExitBadInput;
    }
    const std::vector<std::string> args(all.begin() + 1, all.end());
    if (asksForHelp(args)) {
        printCommandUsage(std::cout, command->second);
        return kExitOk;
    }
    if (!optionsKnown(first, command->second, args)) return kExitBadInput;
    try {
        return command->second.run(args);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return kExitBadInput;
    }
}

// What went to standard output must have arrived (a full disk, a closed
// file): otherwise the run fails, whatever the command said.
int finishOutput(int exitCode)
{
    std::cout.flush();
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout) || !std::cout) {
        std::cerr << "tolvane-cli: 標準出力に書き込めません";
        if (errno != 0) std::cerr << ": " << std::strerror(errno);
        std::cerr << "\n";
        return kExitCannotWrite;
    }
    return exitCode;
}
}  // namespace

CommandRegistration::CommandRegistration(std::string name, std::string usage, CommandFunction run)
{
    registry()[std::move(name)] = Entry{std::move(usage), std::move(run)};
}

}  // namespace tolvane::cli

int main(int argc, char** argv)
{
    using namespace tolvane::cli;
    return finishOutput(run(argc, argv));
}
