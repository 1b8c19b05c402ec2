#include "sizing/feeder_sizing.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "cables/installation.h"
#include "calc/checks.h"
#include "calc/electrical_system.h"
#include "sheet/feeder_totals.h"
#include "sheet/judgement.h"
#include "sheet/tap_rule.h"
#include "sheet/tree_marks.h"
#include "shortcircuit/short_circuit.h"
#include "sizing/drop_budget.h"
#include "sizing/run_cables.h"
#include "sizing/trial_feeder.h"
#include "text/numbers.h"

namespace tolvane {
namespace {

// One size a run may take.
struct Candidate {
    CableHandBack cable;
    std::string impedance;  // Z at the run's power factor
    double section = 0;
    double allowable = 0;
};

struct Run {
    int row = 0;  // trial row
    double length = 0;
    std::vector<Candidate> candidates;
    int chosen = 0;
    // Whether each size passes the run's own judgements (design current,
    // breaker, tap rule by its own current, own drop, short-circuit
    // withstand): a size that does not fails whatever the other runs are.
    std::vector<bool> fits;
    double minimumSection = 0;  // [mm²] for the short-circuit withstand
};

// A feeder's runs could not be set up; the reason names the row.
struct Unsized {
    int row;
    std::string reason;
};

std::optional<double> numberOf(const std::string& text)
{
    try {
        return parseGrouped(text);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

// Hundredths of a volt of a 2-decimal drop or a whole-volt allowable drop.
int centivolts(double volts) { return static_cast<int>(std::llround(volts * 100)); }

// The drop a row shows: its summed drop when it has one, else its own.
std::string shownDrop(const Sheet& rows, int r)
{
    const std::string& summed = rows.cell(col::DropSum, r);
    return hasValue(summed) ? summed : rows.cell(col::Drop, r);
}

// Why a feeder cannot pass even with every run at its largest size.
std::string reasonAtLargest(const TrialFailure& f, const Sheet& rows)
{
    using Kind = TrialFailure::Kind;
    const std::string& cable = rows.cell(col::Cable, f.row);
    const std::string& allowable = rows.cell(col::Allowable, f.row);
    switch (f.kind) {
    case Kind::CableCurrent:
        return "最大のサイズ " + cable + " でも許容電流 " + allowable + "A が設計電流値 " +
               rows.cell(col::Current, f.row) + "A より小さい";
    case Kind::Breaker:
        return "最大のサイズ " + cable + " でも許容電流 " + allowable + "A が遮断器定格電流 " +
               rows.cell(col::Breaker, 0) + "A より小さい";
    case Kind::Judgement:
        if (f.text == judgement::DropTooLarge)
            return "最大のサイズでも電圧降下 " + shownDrop(rows, f.row) + " V が許容電圧降下 " +
                   rows.cell(col::AllowableDrop, f.row) + " V を超える";
        return "最大のサイズでも " + f.text;
    case Kind::Review:
        return "最大のサイズでも " + f.text;
    case Kind::Conversion:
        break;
    }
    return f.text;
}

class FeederSizer {
public:
    FeederSizer(const Sheet& sheet, FeederRange range, const SizingOptions& options, CableOffers& offers,
                BudgetSolver& solver)
        : sheet_(sheet), trial_(sheet, range), options_(options), offers_(offers), solver_(solver)
    {
    }

    FeederSizing run(const Sheet& sheet, FeederRange range);

private:
    FeederSizing unsized(FeederSizing& result, int row, std::string reason)
    {
        result.failure = SizingFailure{trial_.sheetRow(row), std::move(reason)};
        return result;
    }
    std::optional<Unsized> setUpRuns();
    void choose(const std::vector<int>& sizes);
    void chooseLargest();
    bool passes();
    bool passesTapRule();
    void judgeOwnSizes();
    void modelSummedDrops();
    std::optional<std::vector<int>> propose();
    void repairAndPropose();
    void shrinkWhilePassing();

    const Sheet& sheet_;
    TrialFeeder trial_;
    const SizingOptions& options_;
    CableOffers& offers_;
    BudgetSolver& solver_;
    std::vector<Run> runs_;
    std::vector<int> runRows_;
    std::vector<const CableFamily*> families_;
    std::vector<TrialFailure> failures_;
    bool judged_ = false;  // the trial holds the chosen sizes, recalculated and judged

    // The model of the dynamic programme and what the repairs have ruled out;
    // the budget as the sheet sets it, before any repair.
    DropBudget budget_;
    DropBudget exactBudget_;
    std::vector<BudgetRun> budgetRuns_;
    bool modelled_ = false;
};

std::optional<Unsized> FeederSizer::setUpRuns()
{
    const Sheet& rows = trial_.rows();
    const FeederRange range = trial_.range();
    const std::string& system = rows.cell(col::System, range.s1);
    for (int r = range.s1; r <= range.e1; ++r) {
        if (!carriesCable(rows, r)) continue;
        const std::string& designation = rows.cell(col::Cable, r);
        const FamilyIdentity identity = familyOfRun(sheet_, trial_.sheetRow(r), system, options_, offers_);
        if (identity.result == FamilyIdentity::Result::Ambiguous) {
            std::vector<const CableFamily*> families;
            for (const FamilyChoice& f : identity.families) families.push_back(f.family);
            return Unsized{r, "ケーブル「" + designation + "」の電線・ケーブルの系列が許容電流とインピーダンスから一つに決まらない（" +
                                  familyNames(families) + "）"};
        }
        if (!identity.identified()) {
            if (!hasValue(designation))
                return Unsized{r, "ケーブルが選ばれていないので電線・ケーブルの系列が決まらない"};
            return Unsized{r, "ケーブル「" + designation + "」はどの電線・ケーブルの系列にもない"};
        }
        const RunCable cable = runCableOf(designation, *identity.identified()->family, system);
        auto powerFactor = tryParseDecimal(rows.cell(col::PowerFactor, r));
        if (!powerFactor || !(*powerFactor >= 0 && *powerFactor <= 1))
            return Unsized{r, "力率が0～1の数値ではない"};

        const CableCaller caller = callerOfRun(rows, r, system, options_);
        Run run;
        run.row = r;
        if (auto it = options_.minimumSections.find(trial_.sheetRow(r)); it != options_.minimumSections.end())
            run.minimumSection = it->second - 1e-9;
        run.length = tryParseDecimal(rows.cell(col::Length, r)).value_or(0);
        for (SizeChoice& choice : sizeChoicesOf(cable, offers_, caller)) {
            Candidate c;
            c.impedance = ImpedanceText(
                CableImpedance(parseDecimal(choice.cable.r), parseDecimal(choice.cable.x), *powerFactor));
            c.section = conductorSection(choice.size);
            c.allowable = parseDecimal(choice.cable.allowable);
            c.cable = std::move(choice.cable);
            run.candidates.push_back(std::move(c));
        }
        if (run.candidates.empty())
            return Unsized{r, "系列「" + std::string(cable.family->name) + "」の「" + cable.type +
                                  "」には、この配線方式で許容電流の求まるサイズがない"};
        if (std::find(families_.begin(), families_.end(), cable.family) == families_.end())
            families_.push_back(cable.family);
        runs_.push_back(std::move(run));
        runRows_.push_back(r);
    }
    return std::nullopt;
}

void FeederSizer::choose(const std::vector<int>& sizes)
{
    for (std::size_t i = 0; i < runs_.size(); ++i) {
        Run& run = runs_[i];
        run.chosen = sizes[i];
        const Candidate& c = run.candidates[run.chosen];
        trial_.setCable(run.row, c.cable, c.impedance);
    }
}

void FeederSizer::chooseLargest()
{
    std::vector<int> largest;
    for (const Run& run : runs_) largest.push_back(static_cast<int>(run.candidates.size()) - 1);
    choose(largest);
}

bool FeederSizer::passes()
{
    failures_ = trial_.judge(options_.supply, runRows_);
    return failures_.empty();
}

// The tap rule alone, which a trial that changes sizes most often fails and
// which costs a fraction of the whole judgement.
bool FeederSizer::passesTapRule()
{
    judged_ = false;
    failures_ = trial_.tapFailures();
    return failures_.empty();
}

// With the feeder recalculated, the design currents, lengths and allowable
// drops are known and do not depend on the cables: each size can be judged by
// itself against the run's own rules.
void FeederSizer::judgeOwnSizes()
{
    const Sheet& rows = trial_.rows();
    const FeederRange range = trial_.range();
    const double coefficient = SystemCoefficient(rows.cell(col::System, range.s1));
    const std::string& breaker = rows.cell(col::Breaker, range.s1);
    // A head that carries the breaker's current makes the breaker the
    // protecting rating of the tap rule.
    const double rating = cellNumber(rows, col::Breaker, range.s1);
    const TapShares shares = tapSharesOf(rating, rating);

    budgetRuns_.clear();
    for (Run& run : runs_) {
        const int r = run.row;
        const std::string& current = rows.cell(col::Current, r);
        const std::string& allowedDrop = rows.cell(col::AllowableDrop, r);
        const std::optional<double> cap = hasValue(allowedDrop) ? numberOf(allowedDrop) : std::nullopt;
        const bool hasLength = hasValue(rows.cell(col::Length, r));
        const RowKind kind = rowKindOf(rows.cell(col::Mark, r));
        BudgetRun model;
        run.fits.clear();
        for (const Candidate& c : run.candidates) {
            bool fits = true;
            int drop = 0;
            try {
                fits = !CheckCableCurrent(c.cable.allowable, current, c.cable.cable);
                if (fits && checksBreaker(rows, r) && hasValue(breaker))
                    fits = !CheckBreakerAgainstCable(c.cable.allowable, breaker);
                // The drop as the totals write it: 2 decimals, read back.
                const double e = VoltageDrop(coefficient, cellNumber(rows, col::Current, r), run.length,
                                             parseDecimal(c.impedance));
                drop = centivolts(parseGrouped(DropText(e)));
            } catch (const ConversionError&) {
                fits = false;
            }
            if (hasLength && tapJudgementOf(shares, c.allowable, run.length, kind).starts_with(judgement::FailureMark))
                fits = false;
            if (cap && drop > centivolts(*cap)) fits = false;
            if (c.section < run.minimumSection) fits = false;
            run.fits.push_back(fits);
            model.allowed.push_back(fits);
            model.drop.push_back(drop);
            // Volume first; among equal volumes (a run without length) the
            // smaller conductor.
            model.cost.push_back(c.section * run.length + 1e-9 * c.section);
            model.section.push_back(c.section);
        }
        budgetRuns_.push_back(std::move(model));
    }
}

// The summed drops as the totals form them: a single feeder has none; a
// dwelling feeder sums from its head down the trunk to every branch, and
// system 2 again from the end of the head run. Any other layout is not
// modelled: its sizes are then found from the largest down in the sheet alone.
void FeederSizer::modelSummedDrops()
{
    const Sheet& rows = trial_.rows();
    const FeederRange range = trial_.range();
    modelled_ = false;
    budget_ = DropBudget{};
    auto runAt = [&](int r) {
        auto it = std::find(runRows_.begin(), runRows_.end(), r);
        return it == runRows_.end() ? -1 : static_cast<int>(it - runRows_.begin());
    };
    const int head = runAt(range.s1);
    if (head < 0) return;
    budget_.head = head;
    if (rows.cell(col::Mark, range.s1) == mark::Single) {
        exactBudget_ = budget_;
        modelled_ = true;
        return;
    }
    if (rows.cell(col::Mark, range.s1) != mark::Head) return;
    budget_.segments.emplace_back();
    for (int r = range.s1 + 1; r <= range.e1; ++r) {
        const std::string& m = rows.cell(col::Mark, r);
        BudgetItem item;
        item.row = r;
        const std::string& allowedDrop = rows.cell(col::AllowableDrop, r);
        if (auto cap = hasValue(allowedDrop) ? numberOf(allowedDrop) : std::nullopt) item.cap = centivolts(*cap);
        if (isTrunkMark(m)) {
            item.kind = BudgetItem::Kind::Trunk;
            item.run = runAt(r);
            if (item.run < 0) return;
            budget_.segments.back().push_back(item);
        } else if (isBranchMark(m)) {
            item.run = runAt(r);
            item.kind = item.run < 0 ? BudgetItem::Kind::Branch : BudgetItem::Kind::BranchRun;
            if (item.run < 0) {
                auto own = numberOf(rows.cell(col::Drop, r));
                if (!own) return;
                item.fixedDrop = centivolts(*own);
            }
            budget_.segments.back().push_back(item);
        }
        if (endsSystem1(rows, r)) budget_.segments.emplace_back();
    }
    exactBudget_ = budget_;
    modelled_ = true;
}

std::optional<std::vector<int>> FeederSizer::propose()
{
    if (!modelled_) return std::nullopt;
    return solver_.cheapest(budget_, budgetRuns_);
}

// The proposal of the programme, corrected until the sheet agrees: a run the
// sheet still fails is held above the failing size (above the 35 % band for
// the 8 m rule), a branch whose summed drop the sheet still finds too large
// gets a budget one hundredth of a volt smaller. When nothing can be
// corrected, every run takes its largest size, which passes.
void FeederSizer::repairAndPropose()
{
    const Sheet& rows = trial_.rows();
    const double rating = cellNumber(rows, col::Breaker, trial_.range().s1);
    const TapShares shares = tapSharesOf(rating, rating);
    for (int attempt = 0; attempt < 64; ++attempt) {
        std::optional<std::vector<int>> proposal = propose();
        if (!proposal) break;
        choose(*proposal);
        if (passesTapRule() && passes()) {
            judged_ = true;
            return;
        }

        bool corrected = false;
        for (const TrialFailure& f : failures_) {
            auto at = std::find(runRows_.begin(), runRows_.end(), f.row);
            const bool tap = f.text == tap::Below35 || f.text == tap::Band35Over8m || f.text == tap::ReducedOver8m;
            const bool drop = f.text == judgement::DropTooLarge || f.kind == TrialFailure::Kind::Review;
            if (f.kind == TrialFailure::Kind::Conversion || (!tap && !drop && f.kind == TrialFailure::Kind::Judgement))
                continue;
            if (drop && isBranchMark(rows.cell(col::Mark, f.row))) {
                for (auto& segment : budget_.segments)
                    for (BudgetItem& item : segment)
                        if (item.row == f.row && item.cap > 0) {
                            --item.cap;
                            corrected = true;
                        }
                continue;
            }
            if (at == runRows_.end()) continue;
            const std::size_t i = static_cast<std::size_t>(at - runRows_.begin());
            const Run& run = runs_[i];
            const Candidate& now = run.candidates[run.chosen];
            for (std::size_t c = 0; c < run.candidates.size(); ++c) {
                const Candidate& other = run.candidates[c];
                bool ruleOut = false;
                if (drop) ruleOut = budgetRuns_[i].drop[c] >= budgetRuns_[i].drop[run.chosen];
                else ruleOut = other.allowable <= now.allowable;
                if (f.text == tap::ReducedOver8m && inBand35(shares, other.allowable)) ruleOut = true;
                if (ruleOut && budgetRuns_[i].allowed[c]) {
                    budgetRuns_[i].allowed[c] = false;
                    corrected = true;
                }
            }
        }
        if (!corrected) break;
    }
    chooseLargest();
    judged_ = false;
}

// Every run one size smaller, as long as the sheet still passes. A size the
// run's own judgements rule out, or one that takes a branch beyond its
// allowable drop by a hundredth of a volt or more, fails in the sheet and is
// not tried there.
void FeederSizer::shrinkWhilePassing()
{
    std::vector<std::size_t> order(runs_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const Run& x = runs_[a];
        const Run& y = runs_[b];
        return x.candidates[x.chosen].section * x.length > y.candidates[y.chosen].section * y.length;
    });
    std::vector<int> sizes;
    for (const Run& run : runs_) sizes.push_back(run.chosen);
    for (bool shrunk = true; shrunk;) {
        shrunk = false;
        for (std::size_t i : order) {
            Run& run = runs_[i];
            const int smaller = run.chosen - 1;
            if (smaller < 0 || !run.fits[smaller]) continue;
            sizes[i] = smaller;
            const bool worthTrying = !modelled_ || (keepsBudget(exactBudget_, budgetRuns_, sizes) &&
                                                    neverGrowsAwayFromBoard(exactBudget_, budgetRuns_, sizes));
            sizes[i] = run.chosen;
            if (!worthTrying) continue;
            trial_.setCable(run.row, run.candidates[smaller].cable, run.candidates[smaller].impedance);
            if (passesTapRule() && passes()) {
                judged_ = true;
                run.chosen = sizes[i] = smaller;
                shrunk = true;
            } else {
                const Candidate& kept = run.candidates[run.chosen];
                trial_.setCable(run.row, kept.cable, kept.impedance);
            }
        }
    }
}

FeederSizing FeederSizer::run(const Sheet& sheet, FeederRange range)
{
    FeederSizing result;
    result.range = range;
    result.number = sheet.cell(col::No, range.s1);

    if (std::optional<Unsized> unsized = setUpRuns()) return this->unsized(result, unsized->row, unsized->reason);
    result.families = families_;

    for (const Run& run : runs_) {
        const Candidate& largest = run.candidates.back();
        if (largest.section < run.minimumSection)
            return unsized(result, run.row,
                           "最大のサイズ " + largest.cable.cable + " でも短絡電流に耐える断面積 " +
                               formatFixed(run.minimumSection, 1) + " m㎡ に足りない");
    }
    chooseLargest();
    if (!passes()) {
        const TrialFailure& f = failures_.front();
        result.failure = SizingFailure{trial_.sheetRow(f.row), reasonAtLargest(f, trial_.rows())};
        return result;
    }
    judgeOwnSizes();
    modelSummedDrops();
    repairAndPropose();
    shrinkWhilePassing();
    if (!judged_) {
        std::vector<int> chosen;
        for (const Run& run : runs_) chosen.push_back(run.chosen);
        choose(chosen);
        passes();
    }

    // What the rows showed before: as they stand, drawn.
    TrialFeeder before(sheet, range);
    const Sheet& after = trial_.rows();
    for (int r = trial_.range().s1; r <= trial_.range().e1; ++r) {
        applyDrawingChecks(before.rows(), r);
        result.rows.push_back(after.row(r));
        const Sheet& was = before.rows();
        RowChange change;
        change.row = trial_.sheetRow(r);
        change.cableChanged = false;
        for (int c : {col::Cable, col::Allowable, col::Impedance, col::Size})
            if (was.cell(c, r) != after.cell(c, r)) change.cableChanged = true;
        if (!change.cableChanged && was.cell(col::Judgement, r) == after.cell(col::Judgement, r)) continue;
        change.loadName = after.cell(col::LoadName, r);
        change.cableBefore = was.cell(col::Cable, r);
        change.cableAfter = after.cell(col::Cable, r);
        change.allowableBefore = was.cell(col::Allowable, r);
        change.allowableAfter = after.cell(col::Allowable, r);
        change.dropBefore = shownDrop(was, r);
        change.dropAfter = shownDrop(after, r);
        change.judgementBefore = was.cell(col::Judgement, r);
        change.judgementAfter = after.cell(col::Judgement, r);
        result.changes.push_back(std::move(change));
    }
    return result;
}

}  // namespace

CableCaller callerOfRun(const Sheet& sheet, int row, std::string_view system, const SizingOptions& options)
{
    CableCaller caller;
    caller.patt = sheet.cell(col::Mark, row) == mark::Single ? 1 : 2;
    caller.method = MethodOfStored(sheet.cell(col::Method, row), sheet.cell(col::SubMethod, row));
    caller.depth = options.depth;
    caller.feederSystem = std::string(system);
    caller.frequency = options.frequency;
    return caller;
}

FamilyIdentity familyOfRun(const Sheet& sheet, int row, std::string_view system, const SizingOptions& options,
                           CableOffers& offers)
{
    const std::string& designation = sheet.cell(col::Cable, row);
    const CableFamily* chosen = options.family;
    if (!chosen)
        if (auto it = options.rowFamilies.find(row); it != options.rowFamilies.end()) chosen = it->second;
    if (chosen) {
        // A run of a given family keeps its own type where the family has it.
        FamilyIdentity given;
        given.result = FamilyIdentity::Result::Identified;
        given.families.push_back(matchDesignation(designation, *chosen).value_or(FamilyChoice{chosen, {}, {}}));
        return given;
    }
    return identifyFamily(storedCableOf(sheet, row), callerOfRun(sheet, row, system, options), offers);
}

std::vector<AmbiguousRun> ambiguousRuns(const Sheet& sheet, const std::vector<FeederRange>& ranges,
                                        const SizingOptions& options, CableOffers& offers)
{
    std::vector<AmbiguousRun> found;
    for (FeederRange range : ranges) {
        const std::string& system = sheet.cell(col::System, range.s1);
        for (int r = range.s1; r <= range.e1; ++r) {
            if (!carriesCable(sheet, r)) continue;
            FamilyIdentity identity = familyOfRun(sheet, r, system, options, offers);
            if (identity.result == FamilyIdentity::Result::Ambiguous)
                found.push_back({r, sheet.cell(col::Cable, r), std::move(identity.families)});
        }
    }
    return found;
}

namespace {

FeederSizing sizeFeederWith(const Sheet& sheet, FeederRange range, const SizingOptions& options, CableOffers& offers,
                            BudgetSolver& solver)
{
    FeederSizer sizer(sheet, range, options, offers, solver);
    try {
        return sizer.run(sheet, range);
    } catch (const ConversionError& e) {
        // A cell the trials read and the sheet's own steps did not.
        FeederSizing failed;
        failed.range = range;
        failed.number = sheet.cell(col::No, range.s1);
        failed.failure = SizingFailure{range.s1, e.what()};
        return failed;
    }
}

}  // namespace

FeederSizing sizeFeeder(const Sheet& sheet, FeederRange range, const SizingOptions& options, CableOffers& offers)
{
    BudgetSolver solver;
    return sizeFeederWith(sheet, range, options, offers, solver);
}

bool SizingPlan::allSized() const
{
    return std::none_of(feeders.begin(), feeders.end(), [](const FeederSizing& f) { return f.failure.has_value(); });
}

SizingPlan planSizing(const Sheet& sheet, const std::vector<FeederRange>& ranges, const SizingOptions& options,
                      CableOffers& offers)
{
    SizingPlan plan;
    BudgetSolver solver;  // its tables serve every feeder
    for (FeederRange range : ranges) plan.feeders.push_back(sizeFeederWith(sheet, range, options, offers, solver));
    return plan;
}

SizingPlan planSizingWithstanding(const Sheet& sheet, const std::vector<FeederRange>& ranges,
                                  const SizingOptions& options, CableOffers& offers, const SupplyConditions& supply)
{
    if (supply.banks.empty()) return planSizing(sheet, ranges, options, offers);
    if (std::optional<std::string> problem = checkSupply(supply)) {
        SizingPlan plan = planSizing(sheet, ranges, options, offers);
        plan.withstandProblem = "短絡電流の電源条件: " + *problem;
        return plan;
    }
    SizingOptions bounded = options;
    const SizingPlan unbounded = planSizing(sheet, ranges, bounded, offers);
    SizingPlan plan = unbounded;
    BudgetSolver solver;
    // Each round can only raise the sections asked for; a feeder is sized
    // again only when one of its runs is asked for more.
    for (int round = 0; round < 64; ++round) {
        Sheet sized = sheet;
        applySizing(sized, plan);
        const ShortCircuitResult currents = computeShortCircuit(sized, supply, options.frequency);
        std::vector<bool> again(plan.feeders.size(), false);
        for (const ShortCircuitRow& row : currents.rows) {
            if (!row.computed() || row.section <= 0 || row.minimumSection <= row.section) continue;
            for (std::size_t f = 0; f < plan.feeders.size(); ++f) {
                const FeederRange range = plan.feeders[f].range;
                if (row.row < range.s1 || row.row > range.e1 || plan.feeders[f].failure) continue;
                double& least = bounded.minimumSections[row.row];
                least = std::max(least, row.minimumSection);
                again[f] = true;
            }
        }
        if (std::none_of(again.begin(), again.end(), [](bool a) { return a; })) break;
        for (std::size_t f = 0; f < plan.feeders.size(); ++f)
            if (again[f]) plan.feeders[f] = sizeFeederWith(sheet, plan.feeders[f].range, bounded, offers, solver);
    }

    // The rows whose cable the withstand made larger than sizing without it.
    for (std::size_t f = 0; f < plan.feeders.size(); ++f) {
        FeederSizing& feeder = plan.feeders[f];
        const FeederSizing& without = unbounded.feeders[f];
        if (feeder.failure || without.failure) continue;
        for (RowChange& change : feeder.changes) {
            auto least = bounded.minimumSections.find(change.row);
            if (least == bounded.minimumSections.end()) continue;
            const auto& after = feeder.rows[static_cast<std::size_t>(change.row - feeder.range.s1)];
            const auto& before = without.rows[static_cast<std::size_t>(change.row - without.range.s1)];
            const std::vector<FamilyChoice> a = familiesWriting(after[col::Cable]), b = familiesWriting(before[col::Cable]);
            if (a.empty() || b.empty()) continue;
            if (conductorSection(a.front().size) > conductorSection(b.front().size))
                change.withstandSection = least->second;
        }
    }
    return plan;
}

void applySizing(Sheet& sheet, const SizingPlan& plan)
{
    for (const FeederSizing& feeder : plan.feeders) {
        if (feeder.failure) continue;
        for (std::size_t i = 0; i < feeder.rows.size(); ++i) sheet.setRow(feeder.range.s1 + static_cast<int>(i), feeder.rows[i]);
    }
}

std::string familyNames(const std::vector<const CableFamily*>& families)
{
    std::string names;
    for (const CableFamily* f : families) {
        if (!names.empty()) names += " / ";
        names += f->name;
    }
    return names;
}

}  // namespace tolvane
