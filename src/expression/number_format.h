#pragma once

#include <cstdint>
#include <string>

namespace orrery {

// floor(x + 0.5) for x ≥ 0, −floor(0.5 − x) below: halves round away from zero.
// Saturates at the ends of the 32-bit range.
std::int32_t RoundHalfAway(double x);

// v with n decimals, except that a value within 10^−n of a whole multiple of
// its leading power of ten prints as that whole number (3, 300, 40000).
std::string FormatDecimal(double value, std::int32_t n);

// v fitted into `width` character places with at most `precision` decimals:
// fixed form while it fits, otherwise mantissa·10^exponent (UTF-8 middle dot).
std::string FormatForDisplay(double value, std::int32_t width, std::int32_t precision);

}  // namespace orrery
