// `resave IN.ksk OUT.ksk`: loads a sheet file and saves it again as "保存"
// does, without the file dialog.
#include <iostream>

#include "app/tform1.h"
#include "cli/command.h"
#include "cli/open_sheet.h"

namespace tolvane::cli {
namespace {

int runResave(const std::vector<std::string>& args)
{
    if (args.size() != 2) {
        std::cerr << "usage: tolvane-cli resave IN.ksk OUT.ksk\n";
        return kExitBadInput;
    }
    TForm1 form;
    if (!openSheet(form, args[0])) return kExitBadInput;
    if (auto reason = saveSheet(form, args[1])) {
        std::cerr << *reason << "\n";
        return kExitCannotWrite;
    }
    return kExitOk;
}

const CommandRegistration registration("resave", "resave IN.ksk OUT.ksk", runResave);

}  // namespace
}  // namespace tolvane::cli
