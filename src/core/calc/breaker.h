// Breaker ratings, dwelling demand factors and the dwelling-feeder current.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "text/exact_decimal.h"

namespace tolvane {

// The ratings the automatic choice can give, from the top.
inline constexpr std::array<int, 27> kBreakerLadder = {1600, 1500, 1400, 1250, 1200, 1000, 800, 700, 630,
                                                       600,  500,  400,  350,  300,  250,  225,  200, 175,
                                                       150,  125,  100,  75,   60,   50,   40,   30,  20};

// The rating lists of the entry forms, rising; "900" is offered but never chosen.
inline constexpr std::array<std::string_view, 28> kRatingList = {
    "20",  "30",  "40",  "50",  "60",  "75",  "100", "125", "150",  "175",  "200",  "225",  "250",  "300",
    "350", "400", "500", "600", "630", "700", "800", "900", "1000", "1200", "1250", "1400", "1500", "1600"};

// Smallest ladder rating r with current <= r; "20" for 20 A or less, the
// empty text above 1600 A.
std::string SelectBreakerRating(double current);

// Demand factor for n dwellings, exactly as the table writes it (0.91 is
// 91 hundredths): 1.00 up to 5, down to 0.46 for 40. Above 40 dwellings (and
// for 0) the factor is 1.00.
ExactDecimal DemandFactor(double dwellings);

struct DwellingCurrent {
    double current = 0;       // I = n × Im × f(n)
    std::string shown;        // round(I + 0.1), the design-current field
    std::string breaker;      // SelectBreakerRating(I)
};
// n and Im as written in the form's lists.
DwellingCurrent DwellingFeederCurrent(const ExactDecimal& dwellings, const ExactDecimal& perDwellingCurrent);

}  // namespace tolvane
