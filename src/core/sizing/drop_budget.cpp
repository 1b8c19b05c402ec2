#include "sizing/drop_budget.h"

#include <algorithm>
#include <limits>

namespace tolvane {
namespace {

constexpr double kNone = std::numeric_limits<double>::infinity();

}  // namespace

bool keepsBudget(const DropBudget& budget, const std::vector<BudgetRun>& runs, const std::vector<int>& sizes)
{
    const int start = runs[budget.head].drop[sizes[budget.head]];
    for (const auto& segment : budget.segments) {
        int sum = start;
        for (const BudgetItem& item : segment) {
            const int drop = item.kind == BudgetItem::Kind::Branch ? item.fixedDrop : runs[item.run].drop[sizes[item.run]];
            if (item.kind == BudgetItem::Kind::Trunk)
                sum += drop;
            else if (item.cap >= 0 && sum + drop > item.cap)
                return false;
        }
    }
    return true;
}

bool neverGrowsAwayFromBoard(const DropBudget& budget, const std::vector<BudgetRun>& runs,
                             const std::vector<int>& sizes)
{
    const double head = runs[budget.head].section[sizes[budget.head]];
    for (const auto& segment : budget.segments) {
        double before = head;
        for (const BudgetItem& item : segment) {
            if (item.kind != BudgetItem::Kind::Trunk) continue;
            const double section = runs[item.run].section[sizes[item.run]];
            if (section > before) return false;
            before = section;
        }
    }
    return true;
}

std::optional<std::vector<int>> BudgetSolver::cheapest(const DropBudget& budget, const std::vector<BudgetRun>& runs)
{
    // Every run at its cheapest allowed size is the answer when it keeps
    // every budget and the trunk narrows.
    std::vector<int> cheapestEach;
    for (const BudgetRun& run : runs) {
        int best = -1;
        for (std::size_t c = 0; c < run.cost.size(); ++c)
            if (run.allowed[c] && (best < 0 || run.cost[c] < run.cost[best])) best = static_cast<int>(c);
        if (best < 0) return std::nullopt;
        cheapestEach.push_back(best);
    }
    if (keepsBudget(budget, runs, cheapestEach) && neverGrowsAwayFromBoard(budget, runs, cheapestEach))
        return cheapestEach;
    // The cheapest narrowing trunk, drops aside, is the answer when it keeps
    // every budget; it costs a fraction of the programme over the drops.
    std::optional<std::vector<int>> narrowing = solve(budget, runs, false);
    if (!narrowing || keepsBudget(budget, runs, *narrowing)) return narrowing;
    return solve(budget, runs, true);
}

std::optional<std::vector<int>> BudgetSolver::solve(const DropBudget& budget, const std::vector<BudgetRun>& runs,
                                                    bool drops)
{
    // The conductors as ranks among every section of the feeder's runs.
    std::vector<double>& sections = sections_;
    sections.clear();
    for (const BudgetRun& run : runs)
        for (std::size_t c = 0; c < run.section.size(); ++c)
            if (run.allowed[c]) sections.push_back(run.section[c]);
    std::sort(sections.begin(), sections.end());
    sections.erase(std::unique(sections.begin(), sections.end()), sections.end());
    const int ranks = static_cast<int>(sections.size());
    auto rankOf = [&](double section) {
        return static_cast<int>(std::lower_bound(sections.begin(), sections.end(), section) - sections.begin());
    };

    // Sums above every budget are one state: no branch can take them.
    // Without the drops every sum is the one state 0.
    int largestCap = 0;
    for (const auto& segment : budget.segments)
        for (const BudgetItem& item : segment) largestCap = std::max(largestCap, item.cap);
    const int over = drops ? largestCap + 1 : 0;
    const auto step = [over](int sum, int drop) { return sum >= over ? over : std::min(sum + drop, over); };
    // A state: the sum so far and the rank of the trunk run before.
    const int states = (over + 1) * ranks;
    const auto at = [ranks](int sum, int rank) { return sum * ranks + rank; };

    const std::size_t segments = budget.segments.size();
    values_.resize(segments);
    choices_.resize(segments);
    std::vector<double>& next = next_;
    std::vector<double>& current = current_;
    for (std::size_t s = 0; s < segments; ++s) {
        const auto& items = budget.segments[s];
        next.assign(states, 0.0);
        current.resize(states);
        choices_[s].resize(items.size());
        for (std::size_t j = items.size(); j-- > 0;) {
            const BudgetItem& item = items[j];
            std::vector<short>& choice = choices_[s][j];
            choice.assign(states, -1);
            if (item.kind == BudgetItem::Kind::Branch) {
                for (int d = 0; d <= over; ++d) {
                    const bool fits = !drops || item.cap < 0 || (d < over && d + item.fixedDrop <= item.cap);
                    for (int b = 0; b < ranks; ++b) current[at(d, b)] = fits ? next[at(d, b)] : kNone;
                }
            } else if (item.kind == BudgetItem::Kind::BranchRun) {
                // A branch's own cable leaves the trunk as it is.
                const BudgetRun& run = runs[item.run];
                std::fill(current.begin(), current.end(), kNone);
                for (std::size_t c = 0; c < run.cost.size(); ++c) {
                    if (!run.allowed[c]) continue;
                    const int last = !drops || item.cap < 0 ? over : std::min(item.cap - run.drop[c], over - 1);
                    for (int d = 0; d <= last; ++d)
                        for (int b = 0; b < ranks; ++b) {
                            const double value = run.cost[c] + next[at(d, b)];
                            if (value < current[at(d, b)]) {
                                current[at(d, b)] = value;
                                choice[at(d, b)] = static_cast<short>(c);
                            }
                        }
                }
            } else {
                // A trunk run no larger than the one before it: the best size
                // of rank up to b, found by rising b.
                const BudgetRun& run = runs[item.run];
                std::vector<std::size_t>& byRank = byRank_;
                byRank.clear();
                for (std::size_t c = 0; c < run.cost.size(); ++c)
                    if (run.allowed[c]) byRank.push_back(c);
                std::stable_sort(byRank.begin(), byRank.end(),
                                 [&](std::size_t a, std::size_t b) { return run.section[a] < run.section[b]; });
                std::vector<int>& rankAt = rankAt_;
                rankAt.clear();
                for (std::size_t c : byRank) rankAt.push_back(rankOf(run.section[c]));
                for (int d = 0; d <= over; ++d) {
                    double best = kNone;
                    short bestChoice = -1;
                    std::size_t k = 0;
                    for (int b = 0; b < ranks; ++b) {
                        for (; k < byRank.size() && rankAt[k] <= b; ++k) {
                            const std::size_t c = byRank[k];
                            const int rank = rankAt[k];
                            const double value = run.cost[c] + next[at(step(d, run.drop[c]), rank)];
                            if (value < best) {
                                best = value;
                                bestChoice = static_cast<short>(c);
                            }
                        }
                        current[at(d, b)] = best;
                        choice[at(d, b)] = bestChoice;
                    }
                }
            }
            std::swap(next, current);
        }
        values_[s].assign(next.begin(), next.end());
    }

    // The head's size decides where every segment starts and how large its
    // trunk may be.
    const BudgetRun& head = runs[budget.head];
    double best = kNone;
    int bestHead = -1;
    for (std::size_t c = 0; c < head.cost.size(); ++c) {
        if (!head.allowed[c]) continue;
        const int start = at(step(0, head.drop[c]), rankOf(head.section[c]));
        double total = head.cost[c];
        for (std::size_t s = 0; s < segments; ++s) total += values_[s][start];
        if (total < best) {
            best = total;
            bestHead = static_cast<int>(c);
        }
    }
    if (bestHead < 0) return std::nullopt;

    std::vector<int> chosen(runs.size(), -1);
    chosen[budget.head] = bestHead;
    for (std::size_t s = 0; s < segments; ++s) {
        int sum = step(0, head.drop[bestHead]);
        int rank = rankOf(head.section[bestHead]);
        const auto& items = budget.segments[s];
        for (std::size_t j = 0; j < items.size(); ++j) {
            const BudgetItem& item = items[j];
            if (item.kind == BudgetItem::Kind::Branch) continue;
            const int c = choices_[s][j][at(sum, rank)];
            if (c < 0) return std::nullopt;
            chosen[item.run] = c;
            if (item.kind == BudgetItem::Kind::Trunk) {
                sum = step(sum, runs[item.run].drop[c]);
                rank = rankOf(runs[item.run].section[c]);
            }
        }
    }
    return chosen;
}

}  // namespace tolvane
