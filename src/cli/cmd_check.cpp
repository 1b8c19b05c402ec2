// `check FILE.ksk... [--recalc] [--supply transformer|utility|percent:N]`:
// the verdict of "判定の確認" for many sheet files, after every cell the
// document or the calculation cannot use. Every report is printed as
// "FILE: シート行 R: MESSAGE" (R is the sheet row, counted from 0), or
// "FILE: 判定は良好です。". Exit 0 when every file is good, 1 when anything
// was reported, 2 when a file cannot be read.
#include <algorithm>
#include <iostream>

#include "app/tform1.h"
#include "cli/command.h"
#include "cli/open_sheet.h"
#include "cli/sheet_calc_options.h"
#include "output/print_page.h"
#include "sheet/feeder_totals_sheet.h"
#include "sheet/judgement.h"
#include "sheet/review.h"

namespace tolvane::cli {
namespace {

constexpr const char* kUsage =
    "check FILE.ksk... [--recalc] [--supply transformer|utility|percent:N]\n"
    "       prints FILE: シート行 R: MESSAGE for every report, R being the sheet row counted from 0\n"
    "       (not a line of the file), or FILE: 判定は良好です。";

int usage()
{
    std::cerr << "usage: tolvane-cli " << kUsage << "\n";
    return kExitBadInput;
}

// Checks one file; returns its exit code.
int checkFile(const std::string& path, bool recalc, const SupplyChoice& supply)
{
    TForm1 form;
    if (!openSheet(form, path, true)) return kExitBadInput;
    Sheet& sheet = form.StringGrid1;
    bool reported = false;
    if (recalc) {
        for (const FeederFailure& f : recalculateSheet(sheet, supply)) {
            std::cout << rowReport(path, f.row, f.message) << "\n";
            reported = true;
        }
    }
    // Cells the document or the calculation cannot use: a sheet called good
    // always prints.
    for (const CellFault& fault : unusableCells(sheet)) {
        std::cout << rowReport(path, fault.row, fault.message) << "\n";
        reported = true;
    }
    applyDrawingChecks(sheet);
    const Review review = reviewJudgements(sheet);
    for (const ReviewReport& report : review.reports) {
        std::cout << rowReport(path, report.row, report.text) << "\n";
        reported = true;
    }
    if (review.error) {
        std::cout << rowReport(path, review.error->row, review.error->message) << "\n";
        reported = true;
    }
    if (!reported) std::cout << path << ": " << kReviewGood << "\n";
    return reported ? kExitReported : kExitOk;
}

int runCheck(const std::vector<std::string>& args)
{
    std::vector<std::string> files;
    bool recalc = false;
    SupplyChoice supply;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--recalc") {
            recalc = true;
        } else if (args[i] == "--supply") {
            if (i + 1 == args.size()) return usage();
            auto choice = supplyChoiceOf(args[++i]);
            if (!choice) return usage();
            supply = *choice;
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.empty()) return usage();

    int exitCode = kExitOk;
    for (const std::string& path : files) exitCode = std::max(exitCode, checkFile(path, recalc, supply));
    std::cout.flush();
    return exitCode;
}

const CommandRegistration registration("check", kUsage, runCheck);

}  // namespace
}  // namespace tolvane::cli
