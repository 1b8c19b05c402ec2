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

double DemandFactor(double dwellings)
{
    struct Bound {
        double upTo;
        double factor;
    };
    static constexpr Bound table[] = {
        {5, 1.00},  {6, 0.91},  {7, 0.83},  {8, 0.78},  {9, 0.73},  {10, 0.70}, {11, 0.67}, {12, 0.64},
        {13, 0.62}, {14, 0.61}, {15, 0.59}, {16, 0.58}, {17, 0.57}, {18, 0.56}, {19, 0.55}, {20, 0.54},
        {22, 0.53}, {23, 0.52}, {25, 0.51}, {28, 0.50}, {31, 0.49}, {34, 0.48}, {39, 0.47}, {40, 0.46},
    };
    for (const auto& b : table)
        if (dwellings <= b.upTo) return b.factor;
    return 1.0;
}

DwellingCurrent DwellingFeederCurrent(double dwellings, double perDwellingCurrent)
{
    DwellingCurrent out;
    out.current = dwellings * perDwellingCurrent * DemandFactor(dwellings);
    out.shown = formatWhole(out.current + 0.1);
    out.breaker = SelectBreakerRating(out.current);
    return out;
}

}  // namespace tolvane
