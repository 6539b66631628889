#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "fitting/cell_reference.h"
#include "fitting/fit_calculation.h"
#include "fitting/fit_data.h"
#include "fitting/spreadsheet_source.h"

namespace orrery {
namespace {

const std::string kData = std::string(ORRERY_TEST_DATA_DIR) + "/data/";

WorksheetEntries entries(const std::string& file, const std::string& top, const std::string& bottom,
                         const std::string& sheet = "Sheet1") {
    WorksheetEntries e;
    e.file = file.empty() ? "" : kData + file;
    e.sheet = sheet;
    e.topLeftColumn = columnPart(top);
    e.topLeftRow = rowPart(top);
    e.bottomRightColumn = columnPart(bottom);
    e.bottomRightRow = rowPart(bottom);
    return e;
}

TEST(CellReference, SplitsIntoColumnAndRowParts) {
    EXPECT_EQ(columnPart("b12"), "b");
    EXPECT_EQ(rowPart("b12"), "12");
    EXPECT_EQ(columnPart(""), "A");
    EXPECT_EQ(rowPart(""), "1");
    // No digit, or a digit first: the whole text is both parts.
    EXPECT_EQ(columnPart("AB"), "AB");
    EXPECT_EQ(rowPart("AB"), "AB");
    EXPECT_EQ(columnPart("12"), "12");
    EXPECT_EQ(rowPart("12"), "12");
}

TEST(CellReference, ParsesOnlyCellsOfARealSheet) {
    EXPECT_EQ(parseCell("A1"), (CellAddress{0, 0}));
    EXPECT_EQ(parseCell("xfd1048576"), (CellAddress{1048575, 16383}));
    for (const char* bad : {"", "A", "1", "A0", "1A", "A1B", "XFE1", "A1048577", "A-1", "A 1"})
        EXPECT_FALSE(parseCell(bad)) << bad;
}

TEST(PolynomialCalculate, ChecksTheBoxesInOrderBeforeReading) {
    SpreadsheetSource source;
    FitData fit;
    auto message = [&](const WorksheetEntries& e) { return calculatePolynomialFit(source, fit, e, "1").message; };
    EXPECT_EQ(message(entries("", "A2", "B6")), (UserMessage{"INPUT ERROR", "Please enter a file name"}));
    EXPECT_EQ(message(entries("nothing.xls", "A2", "B6")),
              (UserMessage{"FILE ERROR", "Could not open the file: " + kData + "nothing.xls"}));
    EXPECT_EQ(message(entries("points.csv", "A0", "B6"))->text,
              "Please enter a positive integer as the row number of the top of the column of X-values");
    EXPECT_EQ(message(entries("points.csv", "Ax", "B6"))->text,
              "Please enter a positive integer as the row number of the top of the column of X-values");
    EXPECT_EQ(message(entries("points.csv", "A2", "B"))->text,
              "Please enter a positive integer as the row number of the bottom of the column of Y-values");
    EXPECT_EQ(message(entries("points.csv", "A5", "B5"))->text,
              "The index of the bottom right row must be at least one greater than that of the top left");
    // The boxes were stored before the row checks refused them.
    EXPECT_EQ(source.filePath(), kData + "points.csv");
    EXPECT_EQ(source.topLeft(), "A5");
    EXPECT_EQ(source.bottomRight(), "B5");
}

TEST(PolynomialCalculate, ReportsPointsEquationAndError) {
    SpreadsheetSource source;
    FitData fit;
    const FitOutcome outcome = calculatePolynomialFit(source, fit, entries("points.xls", "A2", "C6"), "1");
    ASSERT_TRUE(outcome.report) << outcome.message->text;
    EXPECT_EQ(outcome.report->pointCount, 5u);
    EXPECT_EQ(outcome.report->equation, "y=2.000000x-1.000000");
    EXPECT_EQ(outcome.report->rmsError, "0.000000");

    const FitOutcome second = calculatePolynomialFit(source, fit, entries("points.ods", "A1", "B3", "Second"), "2");
    ASSERT_TRUE(second.report);
    // The lower terms come out as rounding noise, shown as zeros.
    EXPECT_EQ(second.report->equation.rfind("1.00000x^2", 0), 0u) << second.report->equation;
    EXPECT_NEAR(fit.evaluate(25), 625, 1e-9);
}

TEST(PolynomialCalculate, ImportAndDataRefusalsKeepThePreviousFit) {
    SpreadsheetSource source;
    FitData fit;
    ASSERT_TRUE(calculatePolynomialFit(source, fit, entries("points.csv", "A2", "B6"), "1").report);
    const auto refusal = [&](const WorksheetEntries& e, const char* degree) {
        return calculatePolynomialFit(source, fit, e, degree).message.value_or(UserMessage{});
    };
    EXPECT_EQ(refusal(entries("points.csv", "A2", "A6"), "1"),
              (UserMessage{"Range Error",
                           "Please choose adjacent columns. i.e. (A and B) or (B and C) or (C and D) ...."}));
    EXPECT_EQ(refusal(entries("points.csv", "A2", "B8"), "1"),
              (UserMessage{"Data Entry Error",
                           "Please ensure that you have filled the two columns specified with numerical data."}));
    EXPECT_EQ(refusal(entries("points.xls", "A2", "B6", "Results"), "1"),
              (UserMessage{"FILE ERROR", "The file " + kData + "points.xls has no sheet named \"Results\"."}));
    EXPECT_EQ(refusal(entries("make_fixtures.py", "A2", "B6"), "1").caption, "FILE ERROR");
    EXPECT_EQ(refusal(entries("points.csv", "A2", "B6"), "two").text,
              "The degree of the appoximating poynomial must be a positive integer.");
    EXPECT_EQ(refusal(entries("points.csv", "A2", "B4"), "3").text,
              "There must at least 4 points for a least-square polynomial of degree 3");
    EXPECT_EQ(fit.equationText(), "y=2.000000x-1.000000");
    EXPECT_EQ(fit.pointCount(), 5u);
}

TEST(ExponentialCalculate, RefusesAZeroYAndFitsPositiveData) {
    SpreadsheetSource source;
    FitData fit;
    // Row 7 has an empty y, which reads as 0.
    EXPECT_EQ(calculateExponentialFit(source, fit, entries("points.csv", "A2", "B7")).message->text,
              "For exponential curve fitting, all Y-values must be non-negative numbers.");
    const FitOutcome outcome = calculateExponentialFit(source, fit, entries("points.xls", "A1", "B3", "Second"));
    ASSERT_TRUE(outcome.report);
    EXPECT_EQ(outcome.report->pointCount, 3u);
    EXPECT_EQ(outcome.report->equation.rfind("y = ", 0), 0u);
}

TEST(DegreeScrollBar, NeverBelowOne) {
    EXPECT_EQ(stepDegree(1, -1), 1);
    EXPECT_EQ(stepDegree(1, 1), 2);
    EXPECT_EQ(stepDegree(5, -1), 4);
    EXPECT_EQ(stepDegree(INT_MAX, 1), INT_MAX);
}

}  // namespace
}  // namespace orrery
