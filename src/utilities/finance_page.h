#pragma once

#include <optional>
#include <string>

#include "common/user_message.h"
#include "utilities/financial_state.h"

namespace orrery {

// The contents of one Compound Interest page, as its dialog shows them.
struct FinancePage {
    std::string amount;  // box 1880
    std::string rate;    // box 1890, in percent
    std::string value;   // box 1900
    std::string periods; // box 1980
    int compounding = 0;
    int presentDay = 1;  // 1-31, the day list's selection
    int presentMonth = 0;
    std::string presentYear;
    int futureDay = 1;
    int futureMonth = 0;
    std::string futureYear;

    friend bool operator==(const FinancePage&, const FinancePage&) = default;
};

// Puts the two dates into the page's year boxes and day and month lists.
void ShowDates(FinancePage& page, const CivilDate& present, const CivilDate& future);

// The page as the state fills it: amounts with 2 decimals and the rate in
// percent with 4, each empty when zero.
FinancePage FillDialog(const FinancialState& state);

struct ReadOutcome {
    bool ok = false;
    std::optional<UserMessage> problem;
    FinancePage page;  // the page after reading: a refused year or day put back, swapped dates shown
};

// Checks the page for "Calculate" and, when it passes, stores its inputs in
// the state. Amounts and rates must be positive; dates in the wrong order are
// swapped.
ReadOutcome ReadDialog(FinancialState& state, const FinancePage& page);

// Writes a computed state's results into the page: amounts and rate with 4
// decimals and the periods, or "out of range" in the value box alone when a
// result reaches 1e25.
void ShowResults(const FinancialState& computed, FinancePage& page);

struct CalculateOutcome {
    std::optional<UserMessage> problem;  // refused input or a failed computation
    std::optional<UserMessage> warning;  // shown before the results
    FinancePage page;                    // what the page shows afterwards
};

// "Calculate": read, compute on a copy of the state, show the results.
CalculateOutcome Calculate(FinancialState& state, const FinancePage& page);

}  // namespace orrery
