#pragma once

#include <optional>
#include <vector>

#include "common/user_message.h"

namespace orrery {

// Number of distinct values: sorted neighbours further apart than 1e-10
// start a new value.
int countDistinct(std::vector<double> values);

// The refusals of the polynomial fit, in the order the user meets them.
std::optional<UserMessage> checkPolynomialData(const std::vector<double>& x, const std::vector<double>& y,
                                               int degree);

// The refusals of the exponential fit y = a·e^(bx).
std::optional<UserMessage> checkExponentialData(const std::vector<double>& x, const std::vector<double>& y);

}  // namespace orrery
