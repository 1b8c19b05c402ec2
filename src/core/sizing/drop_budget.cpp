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

std::optional<std::vector<int>> BudgetSolver::cheapest(const DropBudget& budget, const std::vector<BudgetRun>& runs)
{
    // Every run at its cheapest allowed size is the answer when it keeps
    // every budget.
    std::vector<int> cheapestEach;
    for (const BudgetRun& run : runs) {
        int best = -1;
        for (std::size_t c = 0; c < run.cost.size(); ++c)
            if (run.allowed[c] && (best < 0 || run.cost[c] < run.cost[best])) best = static_cast<int>(c);
        if (best < 0) return std::nullopt;
        cheapestEach.push_back(best);
    }
    if (keepsBudget(budget, runs, cheapestEach)) return cheapestEach;

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
                    const double cost = run.cost[c];
                    const short index = static_cast<short>(c);
                    auto offer = [&](int d, double value) {
                        if (value < current[d]) {
                            current[d] = value;
                            choice[d] = index;
                        }
                    };
                    if (item.kind == BudgetItem::Kind::Trunk) {
                        // Sums that stay below every budget, then those beyond.
                        const int below = std::clamp(over - drop, 0, over);
                        for (int d = 0; d < below; ++d) offer(d, cost + next[d + drop]);
                        for (int d = below; d <= over; ++d) offer(d, cost + next[over]);
                    } else {
                        const int last = item.cap < 0 ? over : std::min(item.cap - drop, over - 1);
                        for (int d = 0; d <= last; ++d) offer(d, cost + next[d]);
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
