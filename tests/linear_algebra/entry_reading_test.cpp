#include "linear_algebra/entry_reading.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/case_file.h"
#include "linear_algebra/result_format.h"

namespace orrery {
namespace {

// The whole text of a refused character is checked in workbench_test.cpp.
TEST(EntryReading, Cases) {
    testing::forEachCase(ORRERY_TEST_DATA_DIR "/entry_cases.txt", 10, [&](const testing::Case& c) {
        const std::string text = c.fields[0] == "<empty>" ? "" : c.fields[0];
        DigitCounts counts;
        std::string characterProblem;
        const auto value = readEntry(text, counts, &characterProblem);
        if (c.fields[1] == "refused") {
            EXPECT_FALSE(value.has_value());
            const std::string quoted = c.fields.size() > 2 ? "'" + c.fields[2] + "'" : "";
            if (quoted.empty())
                EXPECT_EQ(characterProblem, "");
            else
                EXPECT_NE(characterProblem.find("The character: " + quoted + " is not recognized"), std::string::npos)
                    << characterProblem;
            return;
        }
        ASSERT_EQ(c.fields.size(), 4u);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, std::stod(c.fields[1]));
        EXPECT_EQ(counts.decimals, std::stoi(c.fields[2]));
        EXPECT_EQ(counts.integerDigits, std::stoi(c.fields[3]));
    });
}

TEST(EntryReading, CountsKeepTheWidestEntries) {
    const std::vector<std::string> cells{"1.5", "-20", "0.125", "bad", ""};
    const CellReading r = readMatrixCells(cells, 2, 3, Operand::Right);
    EXPECT_EQ(r.counts.decimals, 3);
    EXPECT_EQ(r.counts.integerDigits, 2);
    EXPECT_EQ(r.values, (std::vector<double>{1.5, -20, 0.125, 0, 0, 0}));
    EXPECT_EQ(r.firstBad, 3u);
    // A missing slot counts as an empty cell.
    EXPECT_EQ(r.problems.substr(r.problems.find("Please put")),
              "Please put a single number in entry Row: 2 Column: 1 of the  right matrix.\n"
              "Please put a single number in entry Row: 2 Column: 2 of the  right matrix.\n"
              "Please put a single number in entry Row: 2 Column: 3 of the  right matrix.\n");
    EXPECT_EQ(readVectorCells(std::vector<std::string>{"7", ""}, 2, Operand::Result).problems,
              "Please put a single number in entry: 2 of the  result (bottom center) vector.\n");
    EXPECT_EQ(readRotationAngles(std::vector<std::string>{"1.5"}, 3, Operand::Left).problems,
              "Please put a single number for the rotation coefficient: 2 of the  left vector.\n"
              "Please put a single number for the rotation coefficient: 3 of the  left vector.\n");
}

TEST(ResultFormat, GoldenDecimals) {
    testing::forEachCase(ORRERY_TEST_DATA_DIR "/result_decimals.txt", 8, [&](const testing::Case& c) {
        const ResultArithmetic kind = c.fields[0] == "plain"      ? ResultArithmetic::Plain
                                      : c.fields[0] == "dividing" ? ResultArithmetic::Dividing
                                                                  : ResultArithmetic::Projection;
        EXPECT_EQ(resultDecimals(kind, {std::stoi(c.fields[1]), std::stoi(c.fields[2])}), std::stoi(c.fields[3]));
    });
}

TEST(ResultFormat, EntriesAndValuesThatAreNotFinite) {
    EXPECT_EQ(formatResultEntry(2.0 / 3.0, 3), "0.667");
    EXPECT_EQ(formatResultEntry(-12.5, 0), "-12");
    EXPECT_EQ(formatResultEntry(-0.004, 2), "0.00");
    EXPECT_EQ(formatResultEntry(-0.006, 2), "-0.01");
    EXPECT_EQ(formatResultEntry(1e308 * 10, 2), "Overflow");
    EXPECT_EQ(formatResultEntry(-1e308 * 10, 2), "-Overflow");
    EXPECT_EQ(formatResultEntry(std::nan(""), 2), "Undefined");
}

}  // namespace
}  // namespace orrery
