#include <cstdio>
#include <iostream>
#include <map>

#include "cli/command.h"

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
}  // namespace

CommandRegistration::CommandRegistration(std::string name, std::string usage, CommandFunction run)
{
    registry()[std::move(name)] = Entry{std::move(usage), std::move(run)};
}

}  // namespace tolvane::cli

int main(int argc, char** argv)
{
    using namespace tolvane::cli;
    if (argc < 2 || registry().count(argv[1]) == 0) {
        std::cerr << "usage: tolvane-cli COMMAND ...\n";
        for (const auto& [name, entry] : registry()) std::cerr << "  " << entry.usage << "\n";
        return kExitBadInput;
    }
    std::vector<std::string> args(argv + 2, argv + argc);
    try {
        return registry()[argv[1]].run(args);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return kExitBadInput;
    }
}
