// The least-volume choice of sizes for a dwelling feeder's runs under the
// summed-drop rule: the drop summed from the board along the trunk to every
// branch must stay within that branch's allowable drop. A dynamic programme
// over the summed drop in whole hundredths of a volt (the 2-decimal drops the
// sheet writes) finds, among the sizes each run's own judgements allow, the
// choice of least Σ(cross-section × length) that keeps every branch within
// its budget. It only proposes: the sheet's own recalculation decides.
#pragma once

#include <optional>
#include <vector>

namespace tolvane {

// One run: for every size it may take, its cost, its own drop in hundredths
// of a volt and whether its own judgements allow it.
struct BudgetRun {
    std::vector<double> cost;
    std::vector<int> drop;
    std::vector<bool> allowed;
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

// Keeps its tables between feeders, so that sizing a building allocates little.
class BudgetSolver {
public:
    // The size of every run (an index into its candidates), or nothing when no
    // choice keeps every budget.
    std::optional<std::vector<int>> cheapest(const DropBudget& budget, const std::vector<BudgetRun>& runs);

private:
    std::vector<std::vector<double>> values_;        // per segment: least cost by starting sum
    std::vector<std::vector<std::vector<short>>> choices_;  // per segment, item and sum
};

}  // namespace tolvane
