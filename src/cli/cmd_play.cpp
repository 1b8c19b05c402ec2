// `play`: runs a scenario through the entry forms and the sheet as a user
// would, and prints every message, question and error the program shows.
#include <sstream>
#include <iostream>

#include "app/forms.h"
#include "app/script_host.h"
#include "cli/command.h"
#include "cli/open_sheet.h"
#include "sheet/file_store.h"

namespace tolvane::cli {
namespace {

int usage()
{
    std::cerr << "usage: tolvane-cli play SCENARIO [--sheet IN.ksk] [-o OUT.ksk]\n";
    return kExitBadInput;
}

int runPlay(const std::vector<std::string>& args)
{
    std::string scenario, sheet, output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if ((args[i] == "--sheet" || args[i] == "-o") && i + 1 < args.size()) {
            // Choose the target before moving on to the value: the file after
            // --sheet is the input, never the output.
            std::string& target = args[i] == "--sheet" ? sheet : output;
            target = args[++i];
        }
        else if (scenario.empty() && !args[i].empty() && args[i][0] != '-')
            scenario = args[i];
        else
            return usage();
    }
    if (scenario.empty()) return usage();

    // The scenario is read like any other input: a pipe or a device is
    // refused rather than waited for.
    std::string text;
    if (auto reason = readWholeFile(scenario, text)) {
        std::cerr << *reason << "\n";
        return kExitBadInput;
    }
    if (!output.empty()) {
        if (auto reason = outputOverInput(scenario, output)) {
            std::cerr << *reason << "\n";
            return kExitBadInput;
        }
    }
    std::istringstream in(text);

    Forms forms;
    forms.mainWindowShown();
    if (!sheet.empty()) {
        if (auto reason = forms.form1.loadSheetFile(sheet)) {
            std::cerr << sheet << ": " << *reason << "\n";
            return kExitBadInput;
        }
    }

    ScriptHost host(std::cout);
    try {
        host.run(forms, parseScenario(in));
    } catch (const ScriptError& e) {
        std::cout.flush();
        std::cerr << e.what() << "\n";
        return kExitReported;
    }
    if (!output.empty()) {
        if (auto reason = saveSheet(forms.form1, output)) {
            std::cerr << output << ": " << *reason << "\n";
            return kExitCannotWrite;
        }
    }
    return kExitOk;
}

const CommandRegistration registration("play", "play SCENARIO [--sheet IN.ksk] [-o OUT.ksk]", runPlay);

}  // namespace
}  // namespace tolvane::cli
