#pragma once

#include <cmath>
#include <limits>

namespace orrery {

// An undefined or overflowing value is the largest finite double or its
// negative. Everything at or beyond that magnitude, and NaN, is no value.
inline constexpr double kUndefinedHigh = std::numeric_limits<double>::max();
inline constexpr double kUndefinedLow = -std::numeric_limits<double>::max();

inline bool isNoValue(double v) { return !(std::fabs(v) < kUndefinedHigh); }

}  // namespace orrery
