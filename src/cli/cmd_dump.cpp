// `dump FILE.ksk`: loads a sheet file as "開く" does and prints the title
// block, the settings and every row that holds anything, in UTF-8.
#include <iostream>

#include "app/tform1.h"
#include "cli/command.h"
#include "cli/open_sheet.h"

namespace tolvane::cli {
namespace {

int runDump(const std::vector<std::string>& args)
{
    if (args.size() != 1) {
        std::cerr << "usage: tolvane-cli dump FILE.ksk\n";
        return kExitBadInput;
    }
    TForm1 form;
    if (!openSheet(form, args[0])) return kExitBadInput;
    const Sheet& sheet = form.StringGrid1;
    const int last = sheet.lastUsedRow();
    std::cout << "rows=" << sheet.rowCount() << " last=" << last << "\n"
              << "freq=" << form.frequency() << "\n"
              << "year=" << form.Edit25 << "\n"
              << "month=" << form.Edit26 << "\n"
              << "day=" << form.Edit27 << "\n"
              << "building=" << form.Edit1 << "\n"
              << "era=" << form.Label56 << "\n"
              << "eraname=" << form.Edit2 << "\n"
              << "eradisplay=" << (form.RadioButton4 ? "西暦" : "和暦") << "\n"
              << "pagenumbers=" << (form.RadioButton6 ? "off" : "on") << "\n";
    for (int r = 0; r <= last; ++r) {
        const SheetRow& row = sheet.row(r);
        bool any = false;
        for (const auto& cell : row) any = any || !cell.empty();
        if (!any) continue;
        std::cout << r;
        for (const auto& cell : row) std::cout << '\t' << cell;
        std::cout << '\n';
    }
    return kExitOk;
}

const CommandRegistration registration("dump", "dump FILE.ksk", runDump);

}  // namespace
}  // namespace tolvane::cli
