#include "sheet/feeder_totals_sheet.h"

#include <unordered_map>

#include "sheet/feeder_totals.h"
#include "sheet/tap_rule.h"
#include "text/numbers.h"

namespace tolvane {

std::vector<FeederRange> allFeederRanges(const Sheet& sheet)
{
    // For every feeder number: the first row that carries it in column 0 and
    // the last row that carries it in column 26.
    struct Found {
        int first = -1;
        int last = -1;
    };
    std::unordered_map<std::string, Found> byNumber;
    std::vector<const std::string*> heads;
    for (int r = 0; r < sheet.rowCount(); ++r) {
        const std::string& no = sheet.cell(col::No, r);
        if (!no.empty()) {
            Found& f = byNumber[no];
            if (f.first < 0) f.first = r;
        }
        const std::string& feeder = sheet.cell(col::FeederNo, r);
        if (!feeder.empty()) byNumber[feeder].last = r;
        if (hasValue(no) && hasValue(sheet.cell(col::Mark, r)) && hasValue(feeder)) heads.push_back(&feeder);
    }

    std::vector<FeederRange> ranges;
    std::unordered_map<std::string, bool> done;
    for (const std::string* number : heads) {
        if (done[*number]) continue;
        done[*number] = true;
        const Found& f = byNumber[*number];
        if (f.first < 0 || f.last < f.first) continue;
        ranges.push_back({f.first, f.last});
    }
    return ranges;
}

void recalculateFeeder(Sheet& sheet, FeederRange range, const SupplyChoice& supply)
{
    recalculateDesignCurrents(sheet, range);
    computeSingleDrops(sheet, range);
    computeFeederTotals(sheet, range, supply);
    checkTapRule(sheet, range);
}

std::vector<FeederFailure> recalculateSheet(Sheet& sheet, const SupplyChoice& supply)
{
    std::vector<FeederFailure> failures;
    for (FeederRange range : allFeederRanges(sheet)) {
        try {
            recalculateFeeder(sheet, range, supply);
        } catch (const ConversionError& e) {
            failures.push_back({range.s1, e.what()});
        }
    }
    return failures;
}

}  // namespace tolvane
