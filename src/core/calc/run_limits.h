// The values a run can be calculated with: a length and a design current from
// 0 up to a bound no low-voltage feeder reaches, and a power factor above 0 up
// to 1. The entry forms refuse other values and `check` reports them in a
// sheet, so what is recorded can always be calculated and printed.
#pragma once

#include <string_view>

namespace tolvane {

// 10 km and 10 kA: beyond any low-voltage feeder (the longest lists offer
// 1,000 m, the largest breaker 1,600 A), and within the eight places the
// printed length and current columns hold ("10000.00").
inline constexpr double kMaxRunLength = 10000;
inline constexpr double kMaxDesignCurrent = 10000;

enum class RunValue { Length, Current, PowerFactor };

// Whether a value of the kind may be calculated with.
bool runValueUsable(RunValue kind, double value);

// The form's message for a value of the kind that may not be used, e.g.
// "こう長は0～10,000 mの数値を入力してください".
std::string_view runValueMessage(RunValue kind);

// The range as a cell report quotes it, e.g. "0～10,000 m".
std::string_view runValueRange(RunValue kind);

}  // namespace tolvane
