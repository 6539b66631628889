#include "utilities/calendar.h"

#include <algorithm>
#include <ctime>

namespace orrery {
namespace {

// The day in `month` of `year` on which an anniversary of the present date falls.
int anniversaryDay(const CivilDate& present, std::int64_t year, int month) {
    return std::min(present.day, DaysInMonth(year, month));
}

}  // namespace

CivilDate localToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon, local.tm_mday};
}

bool IsLeapYear(std::int64_t year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(std::int64_t year, int month) {
    switch (month) {
    case 1: return IsLeapYear(year) ? 29 : 28;
    case 3:
    case 5:
    case 8:
    case 10: return 30;
    default: return 31;
    }
}

int DayOfYear(std::int64_t year, int month, int day) {
    for (int m = 0; m < month && m < 12; ++m) day += DaysInMonth(year, m);
    return day;
}

std::int64_t WholeYears(const CivilDate& present, const CivilDate& future) {
    const bool reached = future.month > present.month ||
                         (future.month == present.month &&
                          future.day >= anniversaryDay(present, future.year, future.month));
    const std::int64_t years = static_cast<std::int64_t>(future.year) - present.year - (reached ? 0 : 1);
    return std::max<std::int64_t>(years, 0);
}

std::int64_t WholeMonths(const CivilDate& present, const CivilDate& future) {
    const bool reached = future.day >= anniversaryDay(present, future.year, future.month);
    const std::int64_t months = 12 * (static_cast<std::int64_t>(future.year) - present.year) +
                                (future.month - present.month) - (reached ? 0 : 1);
    return std::max<std::int64_t>(months, 0);
}

std::int64_t DaysBetween(const CivilDate& present, const CivilDate& future) {
    if (!(present < future)) return 0;
    const std::int64_t base = 365 * WholeYears(present, future);
    const int presentDay = anniversaryDay(present, future.year, present.month);
    const int dayDifference = DayOfYear(future.year, future.month, future.day) -
                              DayOfYear(present.year, present.month, present.day);
    const bool later = future.month > present.month || (future.month == present.month && future.day > presentDay);
    const bool earlier = future.month < present.month || (future.month == present.month && future.day < presentDay);
    if (later) return base + dayDifference;
    if (earlier && future.year > present.year) return base + 365 + dayDifference;
    return base;
}

}  // namespace orrery
