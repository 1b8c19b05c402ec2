#include "calc/breaker.h"

#include "text/numbers.h"

namespace tolvane {

std::string SelectBreakerRating(double current)
{
    // Walk the ladder from the top; the last rating that still holds the
    // current is the smallest one.
    std::string chosen;
    for (int rating : kBreakerLadder)
        if (current <= rating) chosen = std::to_string(rating);
    return chosen;
}

ExactDecimal DemandFactor(double dwellings)
{
    struct Bound {
        double upTo;
        int hundredths;
    };
    static constexpr Bound table[] = {
        {5, 100}, {6, 91},  {7, 83},  {8, 78},  {9, 73},  {10, 70}, {11, 67}, {12, 64},
        {13, 62}, {14, 61}, {15, 59}, {16, 58}, {17, 57}, {18, 56}, {19, 55}, {20, 54},
        {22, 53}, {23, 52}, {25, 51}, {28, 50}, {31, 49}, {34, 48}, {39, 47}, {40, 46},
    };
    for (const auto& b : table)
        if (dwellings <= b.upTo) return ExactDecimal(b.hundredths, 2);
    return ExactDecimal(1, 0);
}

DwellingCurrent DwellingFeederCurrent(const ExactDecimal& dwellings, const ExactDecimal& perDwellingCurrent)
{
    const ExactDecimal current = dwellings * perDwellingCurrent * DemandFactor(dwellings.toDouble());
    DwellingCurrent out;
    out.current = current.toDouble();
    out.shown = formatShortest((current + ExactDecimal(1, 1)).roundHalfEven());
    out.breaker = SelectBreakerRating(out.current);
    return out;
}

}  // namespace tolvane
