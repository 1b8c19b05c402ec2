#include "sizing/drop_budget.h"

#include <algorithm>
#include <limits>

namespace tolvane {
namespace {

constexpr double kNone = std::numeric_limits<double>::infinity();

}  // namespace

std::optional<std::vector<int>> BudgetSolver::cheapest(const DropBudget& budget, const std::vector<BudgetRun>& runs)
{
    // Sums above every budget are one state: no branch can take them.
    int largestCap = 0;
    for (const auto& segment : budget.segments)
        for (const BudgetItem& item : segment) largestCap = std::max(largestCap, item.cap);
    const int over = largestCap + 1;
    const auto step = [over](int sum, int drop) { return sum >= over ? over : std::min(sum + drop, over); };

    const std::size_t segments = budget.segments.size();
    values_.resize(segments);
    choices_.resize(segments);
    for (std::size_t s = 0; s < segments; ++s) {
        const auto& items = budget.segments[s];
        std::vector<double> next(over + 1, 0.0), current(over + 1);
        choices_[s].resize(items.size());
        for (std::size_t j = items.size(); j-- > 0;) {
            const BudgetItem& item = items[j];
            std::vector<short>& choice = choices_[s][j];
            choice.assign(over + 1, -1);
            if (item.kind == BudgetItem::Kind::Branch) {
                for (int d = 0; d <= over; ++d)
                    current[d] = item.cap < 0 || (d < over && d + item.fixedDrop <= item.cap) ? next[d] : kNone;
            } else {
                const BudgetRun& run = runs[item.run];
                std::fill(current.begin(), current.end(), kNone);
                for (std::size_t c = 0; c < run.cost.size(); ++c) {
                    if (!run.allowed[c]) continue;
                    const int drop = run.drop[c];
                    for (int d = 0; d <= over; ++d) {
                        double value;
                        if (item.kind == BudgetItem::Kind::Trunk) {
                            value = run.cost[c] + next[step(d, drop)];
                        } else {
                            if (item.cap >= 0 && (d >= over || d + drop > item.cap)) continue;
                            value = run.cost[c] + next[d];
                        }
                        if (value < current[d]) {
                            current[d] = value;
                            choice[d] = static_cast<short>(c);
                        }
                    }
                }
            }
            std::swap(next, current);
        }
        values_[s] = std::move(next);
    }

    // The head's size decides where every segment starts.
    const BudgetRun& head = runs[budget.head];
    double best = kNone;
    int bestHead = -1;
    for (std::size_t c = 0; c < head.cost.size(); ++c) {
        if (!head.allowed[c]) continue;
        const int start = step(0, head.drop[c]);
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
    const int start = step(0, head.drop[bestHead]);
    for (std::size_t s = 0; s < segments; ++s) {
        int sum = start;
        const auto& items = budget.segments[s];
        for (std::size_t j = 0; j < items.size(); ++j) {
            const BudgetItem& item = items[j];
            if (item.kind == BudgetItem::Kind::Branch) continue;
            const int c = choices_[s][j][sum];
            if (c < 0) return std::nullopt;
            chosen[item.run] = c;
            if (item.kind == BudgetItem::Kind::Trunk) sum = step(sum, runs[item.run].drop[c]);
        }
    }
    return chosen;
}

}  // namespace tolvane
