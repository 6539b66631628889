#pragma once

#include <compare>
#include <cstdint>

namespace orrery {

// A calendar date as the finance pages hold it: day 1-31, month 0-11.
struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 1;

    friend auto operator<=>(const CivilDate&, const CivilDate&) = default;
};

CivilDate localToday();

bool IsLeapYear(std::int64_t year);
// February is month 1; a month outside 0-11 counts as 31 days.
int DaysInMonth(std::int64_t year, int month);
int DayOfYear(std::int64_t year, int month, int day);

// Counting between two dates, present before future (0 otherwise). An
// anniversary falls on the present day of the month, or on the month's last
// day when the month is shorter: 31 January to 28 February is a whole month,
// 29 February 2020 to 28 February 2021 a whole year.
std::int64_t WholeYears(const CivilDate& present, const CivilDate& future);
std::int64_t WholeMonths(const CivilDate& present, const CivilDate& future);
// 365 days to each whole year, and the days of the year after the last
// anniversary counted by their day in the year.
std::int64_t DaysBetween(const CivilDate& present, const CivilDate& future);

}  // namespace orrery
