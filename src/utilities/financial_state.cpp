#include "utilities/financial_state.h"

#include <cmath>

namespace orrery {
namespace {

// Amounts and rates at or below this count as not given.
constexpr double kGiven = 1e-15;
// Results whose decimal exponent may pass this are suspect.
constexpr double kLargestExponent = 300;

bool given(double x) { return x > kGiven; }

UserMessage overflowWarning() {
    return {"POTENTIAL OVERFLOW", "The result of your computation may be in error due to excessively large numbers.",
            MessageIcon::Warning};
}

enum CompoundingIndex { Daily, Weekly, BiWeekly, Monthly, Quarterly, SemiAnnually, Annually };

std::int64_t wholePeriods(int compounding, const CivilDate& present, const CivilDate& future) {
    switch (compounding) {
    case Daily: return DaysBetween(present, future);
    case Weekly: return DaysBetween(present, future) / 7;
    case BiWeekly: return DaysBetween(present, future) / 14;
    case Monthly: return WholeMonths(present, future);
    case Quarterly: return WholeMonths(present, future) / 3;
    case SemiAnnually: return WholeMonths(present, future) / 6;
    default: return WholeYears(present, future);
    }
}

}  // namespace

const std::vector<std::string>& monthNames() {
    static const std::vector<std::string> names{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return names;
}

std::string monthName(int month) { return month >= 0 && month < 12 ? monthNames()[month] : std::string(); }

const std::vector<Compounding>& compoundingChoices() {
    static const std::vector<Compounding> choices{{"Daily", 365},     {"Weekly", 52},       {"Bi-Weekly", 26},
                                                  {"Monthly", 12},    {"Quarterly", 4},     {"Semi-annually", 2},
                                                  {"Annually", 1}};
    return choices;
}

std::string topLeftLabel(int kind) {
    switch (kind) {
    case 0: return "Principal";
    case 1: return "Future Value";
    case 2: return "Installment";
    case 3: return "Regular Payment";
    default: return "no such financial payment type";
    }
}

std::string bottomRightLabel(int kind) {
    switch (kind) {
    case 0: return "Future Value";
    case 1: return "Present Value";
    case 2: return "Accumulated Amount";
    case 3: return "Loan";
    default: return "no such financial payment type";
    }
}

FinancialState::FinancialState(int pageKind, CivilDate today) : present(today), future(today) { SetKind(pageKind); }

bool FinancialState::SetKind(int newKind) {
    if (newKind < 0 || newKind > 4) return false;
    kind = newKind;
    if ((kind == 2 || kind == 3) && std::fabs(rate) < kGiven) rate = 0.03;
    return true;
}

void FinancialState::SetInputs(const FinancialInputs& inputs) {
    amount = inputs.amount;
    rate = inputs.rate;
    value = inputs.value;
    if (inputs.compounding >= 0 && static_cast<std::size_t>(inputs.compounding) < compoundingChoices().size())
        compounding = inputs.compounding;
    present = inputs.present;
    future = inputs.future;
    periodsPerYear = compoundingChoices()[static_cast<std::size_t>(compounding)].periodsPerYear;
    periods = wholePeriods(compounding, present, future);
}

ComputeOutcome FinancialState::Compute() {
    if (kind < 0 || kind > 3) return {};
    // With no whole period between the dates the rate and both annuities would divide by zero.
    if (periods <= 0) return {false, UserMessage{"INPUT ERROR", "The dates are less than one compounding period apart."}};
    const double m = periodsPerYear;
    const double n = static_cast<double>(periods);
    const double i = 1 + rate / m;

    if (kind == 0 || kind == 1) {
        if (given(amount) && given(rate)) {
            std::optional<UserMessage> warning;
            if (n * std::log10(i) + std::log10(amount) > kLargestExponent) warning = overflowWarning();
            value = amount * std::pow(i, n);
            return {true, warning};
        }
        if (given(rate) && given(value)) {
            amount = value * std::pow(i, -n);
            return {true, std::nullopt};
        }
        if (given(amount) && given(value)) {
            rate = (std::pow(value / amount, 1 / n) - 1) * m;
            return {true, std::nullopt};
        }
        return {};
    }

    if (!given(rate)) return {};
    if (kind == 2) {
        const double g = std::pow(i, n);
        if (!given(amount)) {
            if (!given(value)) return {};
            amount = value * rate / ((g - 1) * m);
            return {true, std::nullopt};
        }
        const double exponent = std::log10(amount) + n * std::log10(i) + std::log10(m) - std::log10(rate);
        if (exponent > kLargestExponent) return {false, overflowWarning()};
        value = (g - 1) * amount * m / rate;
        return {true, std::nullopt};
    }

    const double a = (1 - std::pow(i, -n)) * m / rate;
    if (given(amount)) {
        value = amount * a;
        return {true, std::nullopt};
    }
    if (given(value)) {
        amount = value / a;
        return {true, std::nullopt};
    }
    return {};
}

}  // namespace orrery
