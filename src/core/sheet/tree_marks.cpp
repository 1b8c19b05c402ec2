#include "sheet/tree_marks.h"

namespace tolvane {

RowKind rowKindOf(std::string_view m)
{
    if (m == mark::Head) return RowKind::Head;
    if (m == mark::Point || m == mark::Point2) return RowKind::BranchPoint;
    if (m == mark::Segment || m == mark::Segment1) return RowKind::Segment;
    if (m == mark::Branch || m == mark::Branch1) return RowKind::Branch;
    if (m == mark::Last || m == mark::Last1) return RowKind::LastBranch;
    return RowKind::SingleOrEmpty;
}

bool isBranchMark(std::string_view m)
{
    RowKind k = rowKindOf(m);
    return k == RowKind::Branch || k == RowKind::LastBranch;
}

bool isTrunkMark(std::string_view m)
{
    const RowKind k = rowKindOf(m);
    return k == RowKind::Head || k == RowKind::BranchPoint || k == RowKind::Segment;
}

}  // namespace tolvane
