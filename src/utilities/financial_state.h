#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/user_message.h"
#include "utilities/calendar.h"

namespace orrery {

// The four calculators of the Compound Interest sheet.
enum class FinancialKind { FutureValue = 0, PresentValue = 1, OrdinaryAnnuity = 2, PresentValueAnnuity = 3 };

const std::vector<std::string>& monthNames();  // "Jan" ... "Dec"
// A month's short name; empty outside 0-11.
std::string monthName(int month);

// The compounding choices, with their periods per year.
struct Compounding {
    std::string name;
    int periodsPerYear;
};
const std::vector<Compounding>& compoundingChoices();

// The labels of the top-left and bottom-right amount boxes of a page.
std::string topLeftLabel(int kind);
std::string bottomRightLabel(int kind);

struct FinancialInputs {
    double amount = 0;
    double rate = 0;  // a fraction, not percent
    double value = 0;
    int compounding = 0;
    CivilDate present;
    CivilDate future;
};

struct ComputeOutcome {
    bool ok = false;
    std::optional<UserMessage> message;  // a warning beside a result, or why there is none
};

// The numbers behind one page; each page keeps its own for the whole run.
struct FinancialState {
    double amount = 0;  // principal, present value, installment or regular payment
    double rate = 0;    // nominal annual rate as a fraction
    int periodsPerYear = 365;
    CivilDate present;
    CivilDate future;
    double value = 0;  // future value, future value, accumulated amount or loan
    std::int64_t periods = 0;
    int kind = 0;
    int compounding = 0;

    FinancialState(int kind, CivilDate today);

    // Kinds 0 to 4; the annuities start from a 3 % rate rather than none.
    bool SetKind(int newKind);
    // Stores the inputs (a compounding index outside the list is ignored) and
    // works out the periods per year and the whole periods between the dates.
    void SetInputs(const FinancialInputs& inputs);
    // Solves for the quantity that is not given.
    ComputeOutcome Compute();
};

}  // namespace orrery
