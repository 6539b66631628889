#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "support/case_file.h"
#include "utilities/calendar.h"
#include "utilities/finance_page.h"
#include "utilities/financial_state.h"

namespace orrery {
namespace {

CivilDate parseDate(const std::string& text) {
    std::istringstream in(text);
    int day = 0, year = 0;
    std::string month;
    in >> day >> month >> year;
    const auto& names = monthNames();
    const int m = static_cast<int>(std::find(names.begin(), names.end(), month) - names.begin());
    EXPECT_LT(m, 12) << text;
    return {year, m, day};
}

TEST(Calendar, GoldenDates) {
    testing::forEachCase(ORRERY_TEST_DATA_DIR "/dates.txt", 15, [&](const testing::Case& c) {
        ASSERT_EQ(c.fields.size(), 5u);
        const CivilDate p = parseDate(c.fields[0]);
        const CivilDate f = parseDate(c.fields[1]);
        EXPECT_EQ(DaysBetween(p, f), std::stoi(c.fields[2]));
        EXPECT_EQ(WholeMonths(p, f), std::stoi(c.fields[3]));
        EXPECT_EQ(WholeYears(p, f), std::stoi(c.fields[4]));
    });
}

TEST(Calendar, LeapYearsAndMonthLengths) {
    EXPECT_TRUE(IsLeapYear(2000) && IsLeapYear(2020));
    EXPECT_FALSE(IsLeapYear(1900) || IsLeapYear(2021));
    EXPECT_EQ(DaysInMonth(2100, 1), 28);
    EXPECT_EQ(DaysInMonth(2021, 10), 30);
    EXPECT_EQ(DayOfYear(2020, 11, 31), 366);
}

// Years apart beyond any calendar must not overflow the counts.
TEST(Calendar, FarApartDates) {
    const CivilDate p{0, 0, 1};
    const CivilDate f{2147483647, 11, 31};
    EXPECT_EQ(WholeYears(p, f), 2147483647);
    EXPECT_EQ(WholeMonths(p, f), 2147483647LL * 12 + 11);
    EXPECT_GT(DaysBetween(p, f), 365LL * 2147483647);
}

FinancialState stateWith(int kind, double amount, double ratePercent, double value, int compounding, CivilDate p,
                         CivilDate f) {
    FinancialState s(kind, p);
    s.SetInputs({amount, ratePercent / 100, value, compounding, p, f});
    return s;
}

const CivilDate kJan2020{2020, 0, 1};
const CivilDate kJan2021{2021, 0, 1};
constexpr int kMonthly = 3;

TEST(FinancialState, PeriodsPerCompounding) {
    const CivilDate p{2020, 0, 1};
    const CivilDate f{2022, 6, 15};  // 925 days, 30 whole months, 2 whole years
    const std::int64_t expected[] = {925, 132, 66, 30, 10, 5, 2};
    for (int c = 0; c < 7; ++c) EXPECT_EQ(stateWith(0, 1, 1, 0, c, p, f).periods, expected[c]) << c;
    // A compounding index outside the list keeps the one before.
    FinancialState s = stateWith(0, 1, 1, 0, 4, p, f);
    s.SetInputs({1, 0.01, 0, 7, p, f});
    EXPECT_EQ(s.compounding, 4);
}

TEST(FinancialState, FailuresAndWarnings) {
    // Less than one period apart: no division by zero, a message instead.
    FinancialState s = stateWith(0, 1000, 0, 2000, kMonthly, {2020, 0, 1}, {2020, 0, 20});
    ComputeOutcome out = s.Compute();
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.message,
              (UserMessage{"INPUT ERROR", "The dates are less than one compounding period apart."}));
    EXPECT_EQ(s.rate, 0);

    const UserMessage overflow{"POTENTIAL OVERFLOW",
                               "The result of your computation may be in error due to excessively large numbers."};
    s = stateWith(0, 1e10, 5000, 0, 0, {1000, 0, 1}, {2000, 0, 1});
    out = s.Compute();
    EXPECT_TRUE(out.ok);
    EXPECT_EQ(out.message, overflow);

    s = stateWith(2, 1e10, 5000, 0, 0, {1000, 0, 1}, {2000, 0, 1});
    out = s.Compute();
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.message, overflow);
    EXPECT_EQ(s.value, 0);
}

// Switching pages keeps the rate; an unknown kind is refused.
TEST(FinancialState, SetKind) {
    FinancialState s(2, kJan2020);
    EXPECT_FALSE(s.SetKind(5));
    EXPECT_EQ(s.kind, 2);
    s.rate = 0.05;
    EXPECT_TRUE(s.SetKind(3));
    EXPECT_EQ(s.rate, 0.05);
}

FinancePage page(std::string amount, std::string rate, std::string value, int compounding, CivilDate p, CivilDate f) {
    FinancePage pg;
    pg.amount = std::move(amount);
    pg.rate = std::move(rate);
    pg.value = std::move(value);
    pg.compounding = compounding;
    ShowDates(pg, p, f);
    return pg;
}

TEST(FinancePage, Cases) {
    const std::vector<std::string> pages{"Future Value", "Present Value", "Ordinary Annuity", "Present Value Annuity"};
    auto box = [](const std::string& field) { return field == "-" ? std::string() : field; };
    testing::forEachCase(ORRERY_TEST_DATA_DIR "/finance_cases.txt", 10, [&](const testing::Case& c) {
        ASSERT_EQ(c.fields.size(), 11u);
        const int kind = static_cast<int>(std::find(pages.begin(), pages.end(), c.fields[0]) - pages.begin());
        const auto& choices = compoundingChoices();
        const int compounding = static_cast<int>(
            std::find_if(choices.begin(), choices.end(), [&](const Compounding& x) { return x.name == c.fields[4]; }) -
            choices.begin());
        ASSERT_LT(kind, 4);
        ASSERT_LT(compounding, 7);
        FinancialState s(kind, kJan2020);
        FinancePage typed = page(box(c.fields[1]), box(c.fields[2]), box(c.fields[3]), compounding,
                                 parseDate(c.fields[5]), parseDate(c.fields[6]));
        const CalculateOutcome out = Calculate(s, typed);
        EXPECT_FALSE(out.problem) << out.problem->text;
        EXPECT_EQ(out.page.amount, box(c.fields[7]));
        EXPECT_EQ(out.page.rate, box(c.fields[8]));
        EXPECT_EQ(out.page.value, box(c.fields[9]));
        EXPECT_EQ(out.page.periods, box(c.fields[10]));
        EXPECT_LE(s.present, s.future);
    });
}

TEST(FinancePage, TheStateKeepsTheInputsAndThePageTheResults) {
    FinancialState s(0, kJan2020);
    EXPECT_EQ(Calculate(s, page("1000", "12", "", kMonthly, kJan2020, kJan2021)).page.value, "1126.8250");
    EXPECT_EQ(s.value, 0);
    EXPECT_EQ(s.rate, 0.12);
    EXPECT_EQ(FillDialog(s).amount, "1000.00");
    EXPECT_EQ(FillDialog(s).value, "");
}

TEST(FinancePage, AmountAndRateMessages) {
    FinancialState s(0, kJan2020);
    const std::string two =
        "Please fill exactly two of the texboxes entitled \"Principal\", \"Nominal Annual Rate\" and \"Future "
        "Value\" with a positive number.\n\n";
    EXPECT_EQ(Calculate(s, page("1000", "", "", 0, kJan2020, kJan2021)).problem, (UserMessage{"INPUT ERROR", two}));
    EXPECT_EQ(Calculate(s, page("1000", "5", "2000", 0, kJan2020, kJan2021)).problem->text, two);
    EXPECT_EQ(Calculate(s, page("-1000", "5", "", 0, kJan2020, kJan2021)).problem->text, two);
    EXPECT_EQ(s.amount, 0);  // nothing stored

    FinancialState annuity(2, kJan2020);
    EXPECT_EQ(Calculate(annuity, page("100", "", "50", 0, kJan2020, kJan2021)).problem->text,
              "Please fill exactly one of the textboxes entitled \"Installment\" and \"Accumulated Amount\" with a "
              "positive number.\n\nPlease set the interest rate to a positive number.\n\n");
    EXPECT_EQ(Calculate(annuity, page("-100", "3", "", 0, kJan2020, kJan2021)).problem->text,
              "Please fill exactly one of the textboxes entitled \"Installment\" and \"Accumulated Amount\" with a "
              "positive number.\n\n");
    FinancialState loan(3, kJan2020);
    EXPECT_EQ(Calculate(loan, page("", "0.0000000000000001", "", 0, kJan2020, kJan2020)).problem->text,
              "Please fill exactly one of the textboxes entitled \"Regular Payment\" and \"Loan\" with a positive "
              "number.\n\nPlease set the interest rate to a positive number.\n\nYour present and future date are "
              "the same.\n");
}

TEST(FinancePage, YearAndDayMessagesPutTheBoxBack) {
    FinancialState s(0, kJan2020);
    FinancePage pg = page("1000", "12", "", 0, kJan2020, kJan2021);
    pg.presentYear = "twenty";
    CalculateOutcome out = Calculate(s, pg);
    EXPECT_EQ(out.problem,
              (UserMessage{"INPUT ERROR", "The present year must be a positive integer. You entered: twenty"}));
    EXPECT_EQ(out.page.presentYear, "2020");

    pg = page("1000", "12", "", 0, kJan2020, kJan2021);
    pg.futureYear = "-5";
    out = Calculate(s, pg);
    EXPECT_EQ(out.problem->text, "The future year must be a positive integer. You entered: -5");
    EXPECT_EQ(out.page.futureYear, "2020");

    pg = page("1000", "12", "", 0, {2020, 1, 30}, kJan2021);
    out = Calculate(s, pg);
    EXPECT_EQ(out.problem->text, "There are only 29 days in Feb 2020");
    EXPECT_EQ(out.page.presentDay, 1);
    pg = page("1000", "12", "", 0, kJan2020, {2021, 1, 29});
    EXPECT_EQ(Calculate(s, pg).problem->text, "There are only 28 days in Feb 2021");
    pg = page("1000", "12", "", 0, {2021, 0, 31}, {2021, 1, 28});
    EXPECT_FALSE(Calculate(s, pg).problem);
}

TEST(FinancePage, FailedComputationLeavesTheResultBoxes) {
    FinancialState s(0, kJan2020);
    const FinancePage pg = page("1000", "", "2000", kMonthly, kJan2020, {2020, 0, 20});
    const CalculateOutcome out = Calculate(s, pg);
    EXPECT_EQ(out.problem->text, "The dates are less than one compounding period apart.");
    EXPECT_EQ(out.page, pg);
}

TEST(FinancePage, FillShowsTheState) {
    FinancialState s(1, {2023, 4, 17});
    s.SetInputs({1234.567, 0.0425, 0, 2, {2023, 4, 17}, {2025, 6, 3}});
    const FinancePage pg = FillDialog(s);
    EXPECT_EQ(pg.amount, "1234.57");
    EXPECT_EQ(pg.rate, "4.2500");
    EXPECT_EQ(pg.periods, std::to_string(s.periods));
    EXPECT_EQ(pg.presentDay, 17);
    EXPECT_EQ(pg.futureYear, "2025");
    EXPECT_EQ(topLeftLabel(4), "no such financial payment type");
}

}  // namespace
}  // namespace orrery
