// The tree marks of column 5, which draw a feeder's structure and decide the
// kind of every row.
#pragma once

#include <string_view>

namespace tolvane {

namespace mark {
inline constexpr std::string_view Single = "──▶";        // only row of a single feeder
inline constexpr std::string_view Head = "-─▶┌";         // head row of a dwelling feeder
inline constexpr std::string_view Point = "┌─┘";         // branch point, one system
inline constexpr std::string_view Point2 = "┌┌┘";        // branch point, two systems
inline constexpr std::string_view Segment = "│　";       // segment (also system 2's rows)
inline constexpr std::string_view Segment1 = "││";       // segment of system 1 of two
inline constexpr std::string_view Branch = "├─▶";        // branch (one system, system 2)
inline constexpr std::string_view Branch1 = "│├▶";       // branch of system 1 of two
inline constexpr std::string_view Last = "└─▶";          // last branch (one system, system 2)
inline constexpr std::string_view Last1 = "│└▶";         // last branch of system 1 of two
}  // namespace mark

enum class RowKind {
    SingleOrEmpty = 0,
    Head = 1,
    BranchPoint = 2,
    Segment = 3,
    Branch = 4,
    LastBranch = 5,
};

// The row kind of a tree mark; any other text (empty included) is kind 0.
RowKind rowKindOf(std::string_view mark);

// A branch or last-branch mark of either system.
bool isBranchMark(std::string_view mark);

// A head, branch-point or segment mark: the trunk of a dwelling feeder.
bool isTrunkMark(std::string_view mark);

}  // namespace tolvane
