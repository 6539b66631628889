#include "fitting/fit_checks.h"

#include <algorithm>
#include <cmath>

#include "common/c_numeric.h"

namespace orrery {
namespace {

// Checks every fit shares: two columns of one length, numbers only.
std::optional<UserMessage> checkColumns(const std::vector<double>& x, const std::vector<double>& y) {
    if (x.size() != y.size())
        return UserMessage{"INPUT ERROR", "The X and Y columns must hold the same number of values."};
    auto finite = [](double v) { return std::isfinite(v); };
    if (!std::all_of(x.begin(), x.end(), finite) || !std::all_of(y.begin(), y.end(), finite))
        return UserMessage{"IMPROPER DATA", "Every X and Y value must be a finite number."};
    return std::nullopt;
}

}  // namespace

int countDistinct(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    int count = 1;
    for (std::size_t i = 1; i < values.size(); ++i)
        if (values[i] - values[i - 1] > 1e-10) ++count;
    return count;
}

std::optional<UserMessage> checkPolynomialData(const std::vector<double>& x, const std::vector<double>& y,
                                               int degree) {
    if (degree <= 0)
        return UserMessage{"INPUT ERROR",
                           "The degree of the appoximating poynomial must be a positive integer."};
    if (auto message = checkColumns(x, y)) return message;
    // Compared as sizes, so a degree near the int limit cannot overflow.
    const std::size_t needed = static_cast<std::size_t>(degree) + 1;
    if (x.size() < needed)
        return UserMessage{"INPUT ERROR",
                           formatC("There must at least %zu points for a least-square polynomial of degree %d",
                                   needed, degree)};
    const int distinct = countDistinct(x);
    if (static_cast<std::size_t>(distinct) < needed)
        return UserMessage{"IMPROPER DATA",
                           formatC("There must be at least %zu distinct X values for a polynomial of degree "
                                   "%d. Your data set only has %d",
                                   needed, degree, distinct)};
    return std::nullopt;
}

std::optional<UserMessage> checkExponentialData(const std::vector<double>& x, const std::vector<double>& y) {
    if (auto message = checkColumns(x, y)) return message;
    if (std::any_of(y.begin(), y.end(), [](double v) { return v <= 0.0; }))
        return UserMessage{"INPUT ERROR",
                           "For exponential curve fitting, all Y-values must be non-negative numbers."};
    const auto [low, high] = std::minmax_element(x.begin(), x.end());
    if (x.empty() || !(*high - *low > 1e-20))
        return UserMessage{"IMPROPER INPUT", "There must be at least two distinct X-values."};
    return std::nullopt;
}

}  // namespace orrery
