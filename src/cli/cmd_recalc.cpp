// `recalc IN.ksk OUT.ksk [--supply transformer|utility|percent:N]`: runs the
// design currents, single drops, totals and tap rule on every feeder, then the
// drawing checks on every row (so column 21 holds what the screen shows), and
// saves the sheet to OUT.
#include <iostream>

#include "app/tform1.h"
#include "cli/command.h"
#include "cli/open_sheet.h"
#include "cli/sheet_calc_options.h"
#include "sheet/feeder_totals_sheet.h"
#include "sheet/judgement.h"

namespace tolvane::cli {
namespace {

int usage()
{
    std::cerr << "usage: tolvane-cli recalc IN.ksk OUT.ksk [--supply transformer|utility|percent:N]\n";
    return kExitBadInput;
}

int runRecalc(const std::vector<std::string>& args)
{
    std::vector<std::string> files;
    SupplyChoice supply;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--supply") {
            if (i + 1 == args.size()) return usage();
            auto choice = supplyChoiceOf(args[++i]);
            if (!choice) return usage();
            supply = *choice;
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2) return usage();

    TForm1 form;
    if (!openSheet(form, files[0], true)) return kExitBadInput;
    form.supply = supply;
    // A feeder with a cell that is no number keeps what it got before the
    // cell, as on the screen; the other feeders are computed all the same.
    const auto failures = recalculateSheet(form.StringGrid1, form.supply);
    for (const FeederFailure& f : failures) std::cerr << rowReport(files[0], f.row, f.message) << "\n";
    applyDrawingChecks(form.StringGrid1);

    if (auto reason = saveSheet(form, files[1])) {
        std::cerr << files[1] << ": " << *reason << "\n";
        return kExitCannotWrite;
    }
    return failures.empty() ? kExitOk : kExitReported;
}

const CommandRegistration registration("recalc", "recalc IN.ksk OUT.ksk [--supply transformer|utility|percent:N]",
                                       runRecalc);

}  // namespace
}  // namespace tolvane::cli
