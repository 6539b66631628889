// Dates and durations as OpenDocument files write them, turned into the day
// numbers a spreadsheet computes with.
#include "fitting/cell_dates.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace orrery {
namespace {

TEST(CellDates, IsoDatesAndDurationsBecomeDayNumbers) {
    const long from1899 = daysFromCivil(1899, 12, 30), from1904 = daysFromCivil(1904, 1, 1);
    struct DateCase {
        std::string text;
        long nullDay;
        std::optional<double> serial;
    };
    for (const DateCase& c : std::initializer_list<DateCase>{
             {"2020-01-31T06:00:00.5", from1899, 43861.25 + 0.5 / 86400},
             {"2020-01-31T18:00:00Z", from1899, 43861.75},  // a zone changes nothing
             {"1899-12-29", from1899, -1.0},
             {"1904-01-02", from1904, 1.0},
             {"2020-13-01", from1899, std::nullopt},
             {"2020-01-31T18:00", from1899, std::nullopt},
             {"2020-01-31 garbage", from1899, std::nullopt},
             {"", from1899, std::nullopt},
         }) {
        EXPECT_EQ(serialFromIsoDateTime(c.text, c.nullDay), c.serial) << c.text;
    }

    struct DurationCase {
        std::string text;
        std::optional<double> days;
    };
    for (const DurationCase& c : std::initializer_list<DurationCase>{
             {"PT12H00M00S", 0.5},
             {"P1DT12H", 1.5},
             {"-PT6H", -0.25},
             {"PT0H00M01.5S", 1.5 / 86400},
             {"P1Y", std::nullopt},  // a year has no fixed number of days
             {"PT", std::nullopt},
             {"12:00", std::nullopt},
         }) {
        EXPECT_EQ(daysFromIsoDuration(c.text), c.days) << c.text;
    }
}

}  // namespace
}  // namespace orrery
