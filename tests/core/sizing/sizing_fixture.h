// Sheets for the sizing tests, written as the calculation fixtures write
// them: a list of columns and one "|"-separated line per row.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "cables/tdensen.h"
#include "core/sheet/calc_fixture.h"
#include "sheet/feeder_totals_sheet.h"
#include "sheet/judgement.h"
#include "sheet/review.h"
#include "sheet/tree_marks.h"
#include "calc/checks.h"
#include "sizing/feeder_sizing.h"
#include "sizing/run_cables.h"
#include "sizing/trial_feeder.h"
#include "text/numbers.h"

namespace tolvane::testing {

// Rows of the given columns, from row 0; "~" is an empty row.
inline Sheet sheetWith(const std::string& columns, std::initializer_list<std::string> rows)
{
    sheetcalc::CellTable table;
    for (const std::string& c : sheetcalc::splitCells(columns)) table.columns.push_back(std::stoi(c));
    for (const std::string& row : rows) {
        if (row == "~")
            table.rows.emplace_back();
        else
            table.rows.push_back(sheetcalc::splitCells(row));
    }
    return sheetcalc::sheetOf(table);
}

// The columns of a single feeder's row in the tests below.
inline constexpr const char* kSingleColumns = "0|26|2|4|5|6|9|10|11|12";

// Sizes every feeder of the sheet with a fresh cable window and the window's
// initial laying conditions (or those given) and applies the result.
inline SizingPlan sizeAll(Sheet& sheet, const SizingOptions& options = {},
                          const CableConditions& conditions = {})
{
    CableOffers offers(Tdensen(), conditions);
    SizingPlan plan = planSizing(sheet, allFeederRanges(sheet), options, offers);
    applySizing(sheet, plan);
    return plan;
}

// What "check --recalc" reports for the rows of one feeder.
inline std::vector<std::string> checkReports(Sheet sheet, FeederRange range, const SupplyChoice& supply = {})
{
    std::vector<std::string> reports;
    for (const FeederFailure& f : recalculateSheet(sheet, supply))
        if (f.row >= range.s1 && f.row <= range.e1) reports.push_back(f.message);
    applyDrawingChecks(sheet);
    const Review review = reviewJudgements(sheet);
    for (const ReviewReport& r : review.reports)
        if (r.row >= range.s1 && r.row <= range.e1) reports.push_back(std::to_string(r.row) + ": " + r.text);
    if (review.error && review.error->row >= range.s1 && review.error->row <= range.e1)
        reports.push_back(review.error->message);
    return reports;
}

// A run's cable one size smaller, as the window would hand it back; nothing
// when the run has the smallest size already.
inline std::optional<CableHandBack> oneSizeSmaller(const Sheet& sheet, FeederRange range, int row,
                                                   const SizingOptions& options, CableOffers& offers)
{
    const std::string& system = sheet.cell(col::System, range.s1);
    const FamilyIdentity identity = familyOfRun(sheet, row, system, options, offers);
    if (!identity.identified()) return std::nullopt;
    const RunCable run = runCableOf(sheet.cell(col::Cable, row), *identity.identified()->family, system);
    const std::vector<SizeChoice> sizes = sizeChoicesOf(run, offers, callerOfRun(sheet, row, system, options));
    for (std::size_t i = 1; i < sizes.size(); ++i)
        if (sizes[i].cable.cable == sheet.cell(col::Cable, row)) return sizes[i - 1].cable;
    return std::nullopt;
}

// The conductor cross-section of a row's cable [mm²]; 0 when no family
// writes it.
inline double sectionOfCable(const Sheet& sheet, int row)
{
    const std::vector<FamilyChoice> families = familiesWriting(sheet.cell(col::Cable, row));
    return families.empty() ? 0 : conductorSection(families.front().size);
}

// Whether a branch point or segment of a dwelling feeder has a larger
// conductor than the trunk run before it on its system (the head for the
// first).
inline bool trunkGrows(const Sheet& sheet, FeederRange range)
{
    for (const char* system : {"1", "2"}) {
        double before = sectionOfCable(sheet, range.s1);
        for (int r = range.s1 + 1; r <= range.e1; ++r) {
            if (!isTrunkMark(sheet.cell(col::Mark, r)) || sheet.cell(col::SystemNo, r) != system) continue;
            if (sectionOfCable(sheet, r) > before) return true;
            before = sectionOfCable(sheet, r);
        }
    }
    return false;
}

// Every run of a sized feeder, made one size smaller, fails: its cable no
// longer carries the design current or the breaker, "check" reports the
// feeder, or the trunk grows away from the board.
inline void expectLocallyMinimal(const Sheet& sized, FeederRange range, const SizingOptions& options = {},
                                 const CableConditions& conditions = {})
{
    CableOffers offers(Tdensen(), conditions);
    for (int r = range.s1; r <= range.e1; ++r) {
        if (!carriesCable(sized, r)) continue;
        std::optional<CableHandBack> smaller = oneSizeSmaller(sized, range, r, options, offers);
        if (!smaller) continue;
        SCOPED_TRACE("row " + std::to_string(r) + " as " + smaller->cable);
        Sheet sheet = sized;
        const double pf = parseDecimal(sheet.cell(col::PowerFactor, r));
        sheet.setCell(col::Cable, r, smaller->cable);
        sheet.setCell(col::Allowable, r, smaller->allowable);
        sheet.setCell(col::Impedance, r,
                      ImpedanceText(CableImpedance(parseDecimal(smaller->r), parseDecimal(smaller->x), pf)));
        sheet.setCell(col::Size, r, smaller->size);
        try {
            recalculateFeeder(sheet, range, options.supply);
        } catch (const ConversionError&) {
            continue;  // "check --recalc" reports the cell that stopped the feeder
        }
        const bool carries = !CheckCableCurrent(smaller->allowable, sheet.cell(col::Current, r), smaller->cable);
        const bool breaker = !checksBreaker(sheet, r) || !hasValue(sheet.cell(col::Breaker, range.s1)) ||
                             !CheckBreakerAgainstCable(smaller->allowable, sheet.cell(col::Breaker, range.s1));
        EXPECT_FALSE(carries && breaker && !trunkGrows(sheet, range) && checkReports(sheet, range, options.supply).empty());
    }
}

}  // namespace tolvane::testing
