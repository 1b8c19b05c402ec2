#include "app/era.h"

#include <ctime>
#include <optional>

#include "text/numbers.h"

namespace tolvane {

namespace {
struct EraStart {
    const char* name;
    CivilDate start;
};
// Start dates of the modern eras, newest first.
constexpr EraStart kEras[] = {
    {"令和", {2019, 5, 1}}, {"平成", {1989, 1, 8}}, {"昭和", {1926, 12, 25}},
    {"大正", {1912, 7, 30}}, {"明治", {1868, 1, 1}},
};

bool notBefore(const CivilDate& a, const CivilDate& b)
{
    if (a.year != b.year) return a.year > b.year;
    if (a.month != b.month) return a.month > b.month;
    return a.day >= b.day;
}
}  // namespace

CivilDate systemToday()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

EraYear eraOf(const CivilDate& date)
{
    for (const auto& era : kEras)
        if (notBefore(date, era.start)) return {era.name, date.year - era.start.year + 1};
    return {};
}

EraYear eraOfDocumentDate(int year, std::string_view month, std::string_view day)
{
    const std::optional<int> m = tryParseWhole(month);
    const std::optional<int> d = tryParseWhole(day);
    if (m && d && *m >= 1 && *m <= 12 && *d >= 1 && *d <= 31) return eraOf({year, *m, *d});
    return eraOf({year, 12, 31});
}

std::string eraYearText(int year) { return year == 1 ? "元" : std::to_string(year); }

int westernYearOf(const std::string& era, int year)
{
    for (const auto& e : kEras)
        if (era == e.name) return e.start.year + year - 1;
    return 0;
}

}  // namespace tolvane
