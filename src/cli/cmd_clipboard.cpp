// `clipboard FILE.ksk [--row R]`: the text the clipboard commands put on the
// clipboard (CR LF line ends): the whole sheet, or the feeder of row R.
#include <cstdio>
#include <iostream>

#include "app/tform1.h"
#include "cli/command.h"
#include "cli/open_sheet.h"
#include "text/numbers.h"

namespace tolvane::cli {
namespace {

int usage()
{
    std::cerr << "usage: tolvane-cli clipboard FILE.ksk [--row R]\n";
    return kExitBadInput;
}

int runClipboard(const std::vector<std::string>& args)
{
    if (args.size() != 1 && !(args.size() == 3 && args[1] == "--row")) return usage();
    TForm1 form;
    if (!openSheet(form, args[0])) return kExitBadInput;
    if (args.size() == 3) {
        std::optional<std::int32_t> row = tryParseWhole(args[2]);
        if (!row || *row < 0 || *row >= form.StringGrid1.rowCount()) {
            std::cerr << "行番号は 0～" << form.StringGrid1.rowCount() - 1 << " で指定してください: " << args[2] << "\n";
            return kExitBadInput;
        }
        form.ny1 = *row;
        form.N3Click();
    } else {
        form.N9Click();
    }
    std::fwrite(form.clipboardText.data(), 1, form.clipboardText.size(), stdout);
    return kExitOk;
}

const CommandRegistration registration("clipboard", "clipboard FILE.ksk [--row R]", runClipboard);

}  // namespace
}  // namespace tolvane::cli
