// The least-volume choice of sizes for a dwelling feeder's runs under the
// summed-drop rule: the drop summed from the board along the trunk to every
// branch must stay within that branch's allowable drop. A dynamic programme
// over the summed drop in whole hundredths of a volt (the 2-decimal drops the
// sheet writes) finds, among the sizes each run's own judgements allow, the
// choice of least Σ(cross-section × length) that keeps every branch within
// its budget, and in which the trunk never grows away from the board: along
// each system, no branch point or segment has a larger conductor than the
// trunk run before it (the head for the first). It only proposes: the
// sheet's own recalculation decides.
#pragma once

#include <optional>
#include <vector>

namespace tolvane {

// One run: for every size it may take, its cost, its own drop in hundredths
// of a volt, whether its own judgements allow it and its conductor
// cross-section [mm²].
struct BudgetRun {
    std::vector<double> cost;
    std::vector<int> drop;
    std::vector<bool> allowed;
    std::vector<double> section;
};

// A row after the head, top-down.
struct BudgetItem {
    enum class Kind {
        Trunk,      // a branch point or segment: its drop adds to the sum
        BranchRun,  // a branch with its own cable: the sum plus its drop within `cap`
        Branch,     // a branch without cable: the sum plus `fixedDrop` within `cap`
    };
    Kind kind = Kind::Trunk;
    int run = -1;       // index into the runs (Trunk, BranchRun)
    int fixedDrop = 0;  // Branch
    int cap = -1;       // allowable drop in hundredths of a volt; -1 none
    int row = -1;       // the row it stands for, for the caller
};

struct DropBudget {
    int head = 0;  // the run whose drop starts every segment
    // The rows after the head, split where system 1 ends: each segment sums
    // again from the end of the head run.
    std::vector<std::vector<BudgetItem>> segments;
};

// Whether the sizes (an index into each run's candidates) keep every branch
// within its budget.
bool keepsBudget(const DropBudget& budget, const std::vector<BudgetRun>& runs, const std::vector<int>& sizes);

// Whether no trunk run of the sizes has a larger conductor than the trunk run
// before it on its system.
bool neverGrowsAwayFromBoard(const DropBudget& budget, const std::vector<BudgetRun>& runs,
                             const std::vector<int>& sizes);

// Keeps its tables between feeders, so that sizing a building allocates little.
class BudgetSolver {
public:
    // The size of every run (an index into its candidates), or nothing when no
    // choice keeps every budget with a trunk that never grows.
    std::optional<std::vector<int>> cheapest(const DropBudget& budget, const std::vector<BudgetRun>& runs);

private:
    // The programme, over the summed drops or (without `drops`) over the
    // trunk's sizes alone.
    std::optional<std::vector<int>> solve(const DropBudget& budget, const std::vector<BudgetRun>& runs, bool drops);

    // Per segment: the least cost by starting sum and the head's conductor;
    // per segment and item: the size chosen by sum and the conductor of the
    // trunk run before it. Conductors are ranks among the feeder's sections.
    std::vector<std::vector<double>> values_;
    std::vector<std::vector<std::vector<short>>> choices_;
    std::vector<double> sections_, next_, current_;
    std::vector<std::size_t> byRank_;
    std::vector<int> rankAt_;
};

}  // namespace tolvane
