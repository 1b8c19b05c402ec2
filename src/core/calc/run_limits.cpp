#include "calc/run_limits.h"

namespace tolvane {

namespace {

struct Limit {
    RunValue kind;
    double low;
    bool lowIncluded;
    double high;
    std::string_view range;
    std::string_view message;
};

constexpr Limit kLimits[] = {
    {RunValue::Length, 0, true, kMaxRunLength, "0～10,000 m",
     "こう長は0～10,000 mの数値を入力してください"},
    {RunValue::Current, 0, true, kMaxDesignCurrent, "0～10,000 A",
     "設計負荷電流は0～10,000 Aの数値を入力してください"},
    {RunValue::PowerFactor, 0, false, 1, "0を超え1以下",
     "力率は0を超え1以下の数値を入力してください"},
};

const Limit& limitOf(RunValue kind)
{
    for (const Limit& l : kLimits)
        if (l.kind == kind) return l;
    return kLimits[0];
}

}  // namespace

bool runValueUsable(RunValue kind, double value)
{
    const Limit& l = limitOf(kind);
    // Written so that not-a-number fails both tests.
    const bool aboveLow = l.lowIncluded ? value >= l.low : value > l.low;
    return aboveLow && value <= l.high;
}

std::string_view runValueMessage(RunValue kind) { return limitOf(kind).message; }

std::string_view runValueRange(RunValue kind) { return limitOf(kind).range; }

}  // namespace tolvane
