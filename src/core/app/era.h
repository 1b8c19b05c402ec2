// Dates and the Japanese era names of the title block.
#pragma once

#include <string>

namespace tolvane {

struct CivilDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};

// Today's date on this machine's clock, local time.
CivilDate systemToday();

struct EraYear {
    std::string era;  // "令和", "平成", ...; empty before 明治
    int year = 0;     // year within the era, 1 for the first year
};
// The era of a date, as the Japanese calendar of the system gives it.
EraYear eraOf(const CivilDate& date);

// Year within an era as the year box shows it: "元" for 1.
std::string eraYearText(int year);

// Western year of an era year ("令和" 5 -> 2023); 0 for an unknown era.
int westernYearOf(const std::string& era, int year);

}  // namespace tolvane
