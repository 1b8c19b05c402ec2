// `size IN.ksk OUT.ksk [--feeder N]... [--family N|TEXT] [--supply ...]
// [--ambient T] [--iv-ambient T] [--wires N] [--factor F] [--depth H=600]`:
// chooses for every run of the chosen feeders (all when none is named) the
// smallest cables that pass every judgement and writes the sheet to OUT.
// Prints "feeder N: family NAME" and "ROW: OLD -> NEW drop BEFORE -> AFTER"
// for every feeder whose cables change (followed by " withstand S" when the
// short-circuit withstand of the file's transformer banks asked for a cable
// of at least S mm² and made it larger), and "feeder N: row R: REASON" for
// every feeder that cannot be sized (it is left as it is); a run whose cable
// leaves its family open is such a reason unless --family is given. ROW and R are
// sheet rows counted from 0. Exit 0 when every chosen feeder passes, 1 when
// some cannot be sized, 2 on bad input, 3 when OUT cannot be written.
#include <algorithm>
#include <iostream>

#include "app/tform1.h"
#include "cables/installation.h"
#include "cables/tdensen.h"
#include "cli/command.h"
#include "cli/open_sheet.h"
#include "cli/sheet_calc_options.h"
#include "sheet/feeder_totals_sheet.h"
#include "sizing/feeder_sizing.h"
#include "sizing/run_cables.h"
#include "text/numbers.h"

namespace tolvane::cli {
namespace {

constexpr const char* kUsage =
    "size IN.ksk OUT.ksk [--feeder N]... [--family N|TEXT] [--supply transformer|utility|percent:N]\n"
    "       [--ambient T] [--iv-ambient T] [--wires 1-7] [--factor F] [--depth H=300|H=600|H=1200]";

int usage(const std::string& why = {})
{
    if (!why.empty()) std::cerr << why << "\n";
    std::cerr << "usage: tolvane-cli " << kUsage << "\n";
    return kExitBadInput;
}

bool isNumber(const std::string& text) { return tryParseDecimal(text).has_value(); }

int runSize(const std::vector<std::string>& args)
{
    std::vector<std::string> files, feeders;
    SizingOptions options;
    CableConditions conditions;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!a.starts_with("--")) {
            files.push_back(a);
            continue;
        }
        if (i + 1 == args.size()) return usage();
        const std::string& value = args[++i];
        if (a == "--feeder") {
            if (!tryParseWhole(value)) return usage("--feeder は幹線の No. です: " + value);
            feeders.push_back(std::to_string(*tryParseWhole(value)));
        } else if (a == "--family") {
            options.family = familyOption(value);
            if (!options.family) return usage("--family は 1～17 か系列名で指定してください: " + value);
        } else if (a == "--supply") {
            auto supply = supplyChoiceOf(value);
            if (!supply) return usage();
            options.supply = *supply;
        } else if (a == "--ambient" && isNumber(value)) {
            conditions.ambient = value;
        } else if (a == "--iv-ambient" && isNumber(value)) {
            conditions.ivAmbient = value;
        } else if (a == "--wires" && tryParseWhole(value) && *tryParseWhole(value) >= 1 && *tryParseWhole(value) <= 7) {
            conditions.wires = *tryParseWhole(value);
        } else if (a == "--factor" && isNumber(value) && parseDecimal(value) >= 0) {
            conditions.factor = value;
        } else if (a == "--depth" && std::find(std::begin(kBurialDepths), std::end(kBurialDepths), value) !=
                                         std::end(kBurialDepths)) {
            options.depth = value;
        } else {
            return usage(a + " " + value);
        }
    }
    if (files.size() != 2) return usage();

    TForm1 form;
    if (!openSheet(form, files[0], true)) return kExitBadInput;
    options.frequency = form.frequency();

    std::vector<FeederRange> ranges;
    for (FeederRange range : allFeederRanges(form.StringGrid1))
        if (feeders.empty() ||
            std::find(feeders.begin(), feeders.end(), form.StringGrid1.cell(col::No, range.s1)) != feeders.end())
            ranges.push_back(range);
    for (const std::string& number : feeders)
        if (std::none_of(ranges.begin(), ranges.end(),
                         [&](FeederRange r) { return form.StringGrid1.cell(col::No, r.s1) == number; }))
            return usage("No." + number + " の幹線はありません");

    CableOffers offers(Tdensen(), conditions);
    const SizingPlan plan = planSizingWithstanding(form.StringGrid1, ranges, options, offers, form.supplyConditions);
    if (!plan.withstandProblem.empty()) std::cout << plan.withstandProblem << "\n";
    for (const FeederSizing& feeder : plan.feeders) {
        if (feeder.failure) {
            std::cout << "feeder " << feeder.number << ": row " << feeder.failure->row << ": "
                      << feeder.failure->reason << "\n";
            continue;
        }
        bool named = false;
        for (const RowChange& change : feeder.changes) {
            if (!change.cableChanged) continue;
            if (!named) std::cout << "feeder " << feeder.number << ": family " << familyNames(feeder.families) << "\n";
            named = true;
            std::cout << change.row << ": " << change.cableBefore << " -> " << change.cableAfter << " drop "
                      << change.dropBefore << " -> " << change.dropAfter;
            if (change.withstandSection > 0) std::cout << " withstand " << formatFixed(change.withstandSection, 1);
            std::cout << "\n";
        }
    }
    applySizing(form.StringGrid1, plan);

    if (auto reason = saveSheet(form, files[1])) {
        std::cerr << files[1] << ": " << *reason << "\n";
        return kExitCannotWrite;
    }
    std::cout.flush();
    return plan.allSized() ? kExitOk : kExitReported;
}

const CommandRegistration registration("size", kUsage, runSize);

}  // namespace
}  // namespace tolvane::cli
