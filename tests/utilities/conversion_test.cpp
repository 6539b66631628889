#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "support/case_file.h"
#include "utilities/conversion.h"
#include "utilities/conversion_request.h"
#include "utilities/unit_table.h"

namespace orrery {
namespace {

int typeIndex(const std::string& name) {
    const auto& names = measurementTypeNames();
    return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
}

int unitIndex(MeasurementType type, const std::string& name) {
    const auto& names = unitNames(type);
    const auto it = std::find(names.begin(), names.end(), name);
    EXPECT_NE(it, names.end()) << "no unit \"" << name << "\"";
    return static_cast<int>(it - names.begin());
}

// Every unit reaches its type's base unit by its factor, and comes back.
TEST(UnitTable, EveryUnitToTheBaseAndBack) {
    for (int t = 0; t < kMeasurementTypeCount; ++t) {
        const auto type = static_cast<MeasurementType>(t);
        if (type == MeasurementType::NumberSystems || type == MeasurementType::Temperature) continue;
        const auto& names = unitNames(type);
        int base = -1;
        for (std::size_t u = 0; u < names.size(); ++u)
            if (unitFactor(type, static_cast<int>(u)) == 1.0) base = static_cast<int>(u);
        ASSERT_GE(base, 0) << t;
        for (int u = 0; u < static_cast<int>(names.size()); ++u) {
            EXPECT_EQ(convert(type, 1, u, base), unitFactor(type, u)) << names[u];
            const double there = convert(type, 7.25, u, base);
            EXPECT_NEAR(convert(type, there, base, u), 7.25, 7.25 * 1e-15) << names[u];
        }
    }
    // An index outside a type's table counts as the base unit.
    EXPECT_EQ(unitFactor(MeasurementType::Force, 9), 1.0);
    EXPECT_EQ(convert(MeasurementType::Force, 2, 9, 0), 2 / 1e-5);
}

TEST(UnitTable, TemperaturesRoundTrip) {
    for (int from = 0; from < 3; ++from)
        for (int to = 0; to < 3; ++to)
            EXPECT_NEAR(convert(MeasurementType::Temperature, convert(MeasurementType::Temperature, -17.5, from, to),
                                to, from),
                        -17.5, 1e-12);
    EXPECT_EQ(convert(MeasurementType::Temperature, 12.3, 2, 2), 12.3);
}

TEST(Conversion, Cases) {
    testing::forEachCase(ORRERY_TEST_DATA_DIR "/conversions.txt", 12, [&](const testing::Case& c) {
        ASSERT_EQ(c.fields.size(), 5u);
        const int t = typeIndex(c.fields[0]);
        ASSERT_LT(t, kMeasurementTypeCount);
        const auto type = static_cast<MeasurementType>(t);
        const ConversionOutcome out =
            runConversion({t, unitIndex(type, c.fields[2]), unitIndex(type, c.fields[3]), c.fields[1]});
        EXPECT_FALSE(out.problem) << out.problem->text;
        EXPECT_EQ(out.result, c.fields[4]);
    });
}

TEST(Conversion, ResultFormattingAtTheEdges) {
    EXPECT_EQ(formatResult(99999999999999.5), "99999999999999.50000000000000");
    EXPECT_EQ(formatResult(1e14), "1.0000000000e+14");
    EXPECT_EQ(formatResult(1e307), "Result>1e+307");
    EXPECT_EQ(formatResult(HUGE_VAL), "Result>1e+307");
    EXPECT_EQ(formatResult(1e-14), "1.0000000000e-14");
    EXPECT_EQ(formatResult(1.5e-306), "1.5000000000e-306");
    EXPECT_EQ(formatResult(9.99999999999e-16), "1.0000000000e-15");
    EXPECT_EQ(formatResult(-2.5e-20), "-2.5000000000e-20");
    EXPECT_EQ(formatResult(-1e20), "-100000000000000000000");
    EXPECT_EQ(formatResult(0.0), "0");
}

TEST(Conversion, ConvertButtonChecks) {
    const int distance = typeIndex("Distance");
    const int temperature = typeIndex("Temperature");
    const int numbers = typeIndex("Number Systems");
    const UserMessage positive{"INPUT ERROR", "Please put in a single positive number in the left edit box.."};
    EXPECT_EQ(runConversion({distance, 0, 1, "0"}).problem, positive);
    EXPECT_EQ(runConversion({distance, 0, 1, "abc"}).problem, positive);
    EXPECT_EQ(runConversion({distance, 0, 1, "nan"}).problem, positive);
    EXPECT_EQ(runConversion({distance, 0, 1, "inf"}).problem, positive);
    EXPECT_EQ(runConversion({temperature, 0, 1, "abc"}).problem, positive);
    EXPECT_EQ(runConversion({temperature, 0, 1, "-10"}).result, "14.00000000000000");
    // "%lf" reading: what follows the number is ignored.
    EXPECT_EQ(runConversion({distance, 12, 7, "2 miles"}).result, "3.21868800000000");

    EXPECT_EQ(runConversion({distance, std::nullopt, 1, "1"}).problem,
              (UserMessage{"INPUT ERROR", "Please select a type of measurement units from which to convert."}));
    EXPECT_EQ(runConversion({distance, 1, std::nullopt, "1"}).problem,
              (UserMessage{"INPUT ERROR", "Please select a type of measurement units to which to convert."}));
    EXPECT_EQ(runConversion({distance, 3, 3, "1"}).problem,
              (UserMessage{"INPUT ERROR", "Please select two different measurement units."}));
    EXPECT_EQ(runConversion({12, 0, 1, "1"}).problem, (UserMessage{"INPUT ERROR", "No such measurement type"}));

    EXPECT_EQ(runConversion({numbers, 0, 1, "-5"}).problem->text,
              "For number system conversion, please put in a single positive number in the left edit box. Your "
              "input included a negative sign.");
    EXPECT_EQ(runConversion({numbers, 3, 0, "9"}).problem,
              (UserMessage{"INPUT ERROR", "Cannot interpret input as an octal integer\n"}));
}

}  // namespace
}  // namespace orrery
