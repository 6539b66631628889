#pragma once

#include <optional>
#include <string_view>

namespace orrery {

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
long daysFromCivil(long year, int month, int day);

// An ISO 8601 date or date-time ("2020-01-31", "2020-01-31T18:00:00.5",
// a zone suffix ignored) as a spreadsheet's day number: days since
// `nullDay` (given as daysFromCivil), the time of day as the fraction.
std::optional<double> serialFromIsoDateTime(std::string_view text, long nullDay);

// An ISO 8601 duration of days, hours, minutes and seconds ("PT36H00M00S",
// "-P1DT12H") in days.
std::optional<double> daysFromIsoDuration(std::string_view text);

}  // namespace orrery
