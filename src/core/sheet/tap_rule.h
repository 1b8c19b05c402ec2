// The tap rule (許容電流５５％と３５％のチェック): a cable tapped off the trunk
// without its own breaker is acceptable when its allowable current is at
// least 55 % of the protecting rating; between 35 % and 55 % it may be at most
// 8 m long; a branch run may in any case be up to 3 m long.
#pragma once

#include <string_view>

#include "sheet/feeders.h"
#include "sheet/sheet.h"
#include "sheet/tree_marks.h"

namespace tolvane {

namespace tap {
inline constexpr std::string_view Below35 = "×：許容電流35%以下";
inline constexpr std::string_view Band35Within8m = "〇：許容電流35%以上で8m以下";
inline constexpr std::string_view Band35Over8m = "×：許容電流35%以上だが8m超えている";
inline constexpr std::string_view Above55 = "〇：許容電流55%以上";
inline constexpr std::string_view BranchWithin3m = "〇：分岐こう長が3m以下";
inline constexpr std::string_view ReducedOver8m = "×：分岐こう長が8mを超えました";
}  // namespace tap

// 55 % and 35 % of the protecting rating T, the smaller of the head's breaker
// and its cable's allowable current, in whole amperes.
struct TapShares {
    double t55 = 0;
    double t35 = 0;
};
TapShares tapSharesOf(double breaker, double headAllowable);

// A run with allowable current `capacity` lies in the 35 % band: at least 35 %
// and below 55 % of the protecting rating.
bool inBand35(const TapShares& shares, double capacity);

// The judgement of one run of `length` metres by its own current capacity
// and kind, before the reduced-section rule (which needs its neighbours)
// is applied to branch points and segments in the 35 % band.
std::string_view tapJudgementOf(const TapShares& shares, double capacity, double length, RowKind kind);

// Writes the judgement of every row of the feeder that has a length into
// column 21 (rows without a length keep theirs). The protecting rating T is
// the smaller of the head's breaker (column 4) and its cable's allowable
// current (column 13). ConversionError at a cell that is not a number; the
// judgements written before stay.
void checkTapRule(Sheet& sheet, FeederRange range);

}  // namespace tolvane
