#include "utilities/finance_page.h"

#include <cmath>
#include <utility>

#include "common/c_numeric.h"

namespace orrery {
namespace {

constexpr double kGiven = 1e-15;
// Results from here on do not fit the boxes.
constexpr double kOutOfRange = 1e25;

enum class Entry { Empty, Positive, Refused };

struct BoxReading {
    Entry entry = Entry::Empty;
    double value = 0;
};

// A box that does not read, or reads as (nearly) zero, is empty. Negative and
// infinite amounts and rates would only give meaningless results, so they are
// refused with the message that asks for a positive number.
BoxReading readBox(const std::string& text) {
    const auto v = scanDouble(text);
    if (!v || std::isnan(*v) || std::fabs(*v) <= kGiven) return {};
    if (*v < 0 || std::isinf(*v)) return {Entry::Refused, 0};
    return {Entry::Positive, *v};
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

std::string amountText(double x, const char* format) { return x == 0 ? std::string() : formatC(format, x); }

struct DateReading {
    std::optional<CivilDate> date;
    std::optional<UserMessage> problem;
};

// One of the two dates: the year box must hold a whole number of at least 0
// and the day must exist in the chosen month. On failure the box or list is
// put back to the stored value.
DateReading readDate(const std::string& yearText, int day, int month, const CivilDate& stored, const char* which,
                     std::string& pageYear, int& pageDay) {
    const auto year = scanInt(yearText);
    if (!year || *year < 0) {
        pageYear = std::to_string(stored.year);
        return {std::nullopt, UserMessage{"INPUT ERROR", std::string("The ") + which +
                                                             " year must be a positive integer. You entered: " +
                                                             yearText}};
    }
    const int days = DaysInMonth(*year, month);
    if (day > days || day < 1 || month < 0 || month > 11) {
        pageDay = stored.day;
        return {std::nullopt, UserMessage{"INPUT ERROR", "There are only " + std::to_string(days) + " days in " +
                                                             monthName(month) + " " + std::to_string(*year)}};
    }
    return {CivilDate{*year, month, day}, std::nullopt};
}

}  // namespace

void ShowDates(FinancePage& page, const CivilDate& present, const CivilDate& future) {
    page.presentDay = present.day;
    page.presentMonth = present.month;
    page.presentYear = std::to_string(present.year);
    page.futureDay = future.day;
    page.futureMonth = future.month;
    page.futureYear = std::to_string(future.year);
}

FinancePage FillDialog(const FinancialState& state) {
    FinancePage page;
    page.amount = amountText(state.amount, "%.2f");
    page.rate = amountText(state.rate * 100, "%.4f");
    page.value = amountText(state.value, "%.2f");
    page.periods = std::to_string(state.periods);
    page.compounding = state.compounding;
    ShowDates(page, state.present, state.future);
    return page;
}

ReadOutcome ReadDialog(FinancialState& state, const FinancePage& page) {
    ReadOutcome out{false, std::nullopt, page};
    const int kind = state.kind;
    const BoxReading amount = readBox(page.amount);
    const BoxReading value = readBox(page.value);
    const BoxReading rate = readBox(page.rate);
    auto count = [&](Entry e) {
        return (amount.entry == e) + (value.entry == e) + (kind == 2 || kind == 3 ? 0 : rate.entry == e);
    };

    std::string problems;
    if (kind == 2 || kind == 3) {
        if (count(Entry::Positive) != 1 || count(Entry::Refused) != 0)
            problems += "Please fill exactly one of the textboxes entitled " + quoted(topLeftLabel(kind)) + " and " +
                        quoted(bottomRightLabel(kind)) + " with a positive number.\n\n";
        if (rate.entry != Entry::Positive) problems += "Please set the interest rate to a positive number.\n\n";
    } else if (count(Entry::Positive) != 2 || count(Entry::Refused) != 0) {
        problems += "Please fill exactly two of the texboxes entitled " + quoted(topLeftLabel(kind)) + ", " +
                    quoted("Nominal Annual Rate") + " and " + quoted(bottomRightLabel(kind)) +
                    " with a positive number.\n\n";
    }

    const DateReading present = readDate(page.presentYear, page.presentDay, page.presentMonth, state.present, "present",
                                   out.page.presentYear, out.page.presentDay);
    if (!present.date) {
        out.problem = present.problem;
        return out;
    }
    const DateReading future = readDate(page.futureYear, page.futureDay, page.futureMonth, state.future, "future",
                                  out.page.futureYear, out.page.futureDay);
    if (!future.date) {
        out.problem = future.problem;
        return out;
    }
    CivilDate from = *present.date;
    CivilDate to = *future.date;
    if (to < from) std::swap(from, to);
    if (from == to) problems += "Your present and future date are the same.\n";
    if (!problems.empty()) {
        out.problem = UserMessage{"INPUT ERROR", problems};
        return out;
    }

    state.SetInputs({amount.value, rate.value / 100, value.value, page.compounding, from, to});
    ShowDates(out.page, from, to);
    out.ok = true;
    return out;
}

void ShowResults(const FinancialState& computed, FinancePage& page) {
    if (!(computed.value < kOutOfRange) || !(computed.amount < kOutOfRange)) {
        page.value = "out of range";
        return;
    }
    page.amount = formatC("%.4f", computed.amount);
    page.rate = formatC("%.4f", computed.rate * 100);
    page.value = formatC("%.4f", computed.value);
    page.periods = std::to_string(computed.periods);
}

CalculateOutcome Calculate(FinancialState& state, const FinancePage& page) {
    ReadOutcome read = ReadDialog(state, page);
    CalculateOutcome out{read.problem, std::nullopt, std::move(read.page)};
    if (!read.ok) return out;
    FinancialState computed = state;
    ComputeOutcome result = computed.Compute();
    if (!result.ok) {
        out.problem = result.message;
        return out;
    }
    out.warning = result.message;
    ShowResults(computed, out.page);
    return out;
}

}  // namespace orrery
