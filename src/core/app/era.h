// Dates and the Japanese era names of the title block.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

struct CivilDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};

// Today's date on this machine's clock, local time.
CivilDate systemToday();

// The first western year the title block converts: 昭和 began in 1926.
inline constexpr int kEarliestEraYear = 1926;

struct EraYear {
    std::string era;  // "令和", "平成", ...; empty before 明治
    int year = 0;     // year within the era, 1 for the first year
};
// The era of a date, as the Japanese calendar of the system gives it.
EraYear eraOf(const CivilDate& date);

// The era of the title block's date from its western year and the texts of
// its month and day. Without a usable month and day the year counts in the
// era that holds its last day (2019 is 令和元, 1989 平成元).
EraYear eraOfDocumentDate(int year, std::string_view month, std::string_view day);

// Year within an era as the year box shows it: "元" for 1.
std::string eraYearText(int year);

// Western year of an era year ("令和" 5 -> 2023); 0 for an unknown era.
int westernYearOf(const std::string& era, int year);

}  // namespace tolvane
