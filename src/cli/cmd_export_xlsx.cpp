// `export-xlsx FILE.ksk OUT.xlsx --mode item|rows18`: writes the calculation
// document of a sheet file as a workbook, as "エクセル変換" does.
#include <iostream>

#include "app/tform1.h"
#include "cli/command.h"
#include "cli/open_sheet.h"
#include "sheet/file_store.h"

namespace tolvane::cli {
namespace {

int usage()
{
    std::cerr << "usage: tolvane-cli export-xlsx FILE.ksk OUT.xlsx [--mode item|rows18]\n";
    return kExitBadInput;
}

int runExportXlsx(const std::vector<std::string>& args)
{
    std::vector<std::string> files;
    WorkbookMode mode = WorkbookMode::PerItem;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--mode" && i + 1 < args.size()) {
            const std::string& m = args[++i];
            if (m == "item")
                mode = WorkbookMode::PerItem;
            else if (m == "rows18")
                mode = WorkbookMode::Rows18;
            else
                return usage();
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2) return usage();
    if (auto reason = outputOverInput(files[0], files[1])) {
        std::cerr << *reason << "\n";
        return kExitBadInput;
    }
    TForm1 form;
    if (!openSheet(form, files[0])) return kExitBadInput;
    if (auto failure = form.exportWorkbook(files[1], mode)) {
        std::cerr << failure->text << "\n";
        return failure->cannotWrite ? kExitCannotWrite : kExitReported;
    }
    return kExitOk;
}

const CommandRegistration registration("export-xlsx", "export-xlsx FILE.ksk OUT.xlsx [--mode item|rows18]",
                                       runExportXlsx);

}  // namespace
}  // namespace tolvane::cli
