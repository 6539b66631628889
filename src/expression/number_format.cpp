#include "expression/number_format.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/c_numeric.h"

namespace orrery {
namespace {

const char* const kTimesTenTo = "\u00B710^";

// "%.nf", with "%.0f" for n < 1; zero never carries a minus sign.
std::string fixed(double v, int n) {
    std::string text = formatC("%.*f", std::max(n, 0), v);
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

double roundHalfAwayWide(double x) { return x >= 0 ? std::floor(x + 0.5) : -std::floor(0.5 - x); }

// The whole number r·s in full, beyond the 32-bit range too.
std::string wholeNumber(double value) {
    if (value == 0.0) return "0";
    return formatC("%.0f", value);
}

// mantissa·10^exponent, the mantissa with decimalsFor(exponent) decimals. A
// mantissa that rounds up to 10 moves to the next exponent.
template <class Decimals>
std::string scientific(double value, int exponent, Decimals decimalsFor) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        const long double mantissa =
            static_cast<long double>(value) * powl(10.0L, static_cast<long double>(-exponent));
        const int n = decimalsFor(exponent);
        std::string text = formatC("%.*Lf", n, mantissa);
        const std::size_t digits = text.find('.') == std::string::npos ? text.size() : text.find('.');
        if (digits - (text[0] == '-') < 2 || attempt == 1)
            return text + kTimesTenTo + std::to_string(exponent);
        ++exponent;
    }
    return {};
}

}  // namespace

std::int32_t RoundHalfAway(double x) {
    const double r = roundHalfAwayWide(x);
    if (std::isnan(r)) return 0;
    if (r >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (r <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}

std::string FormatDecimal(double value, std::int32_t n) {
    if (!std::isfinite(value)) return fixed(value, n);
    const double a = std::fabs(value);
    const int m = a > 0 ? std::max(static_cast<int>(std::floor(std::log10(a))), 0) : 0;
    const double s = std::pow(10.0, m);
    const double u = value / s;
    const double r = roundHalfAwayWide(u);
    if (std::fabs(r - u) < std::pow(10.0, -n)) return wholeNumber(r * s);
    return fixed(value, n);
}

std::string FormatForDisplay(double value, std::int32_t width, std::int32_t precision) {
    if (!std::isfinite(value)) return fixed(value, precision);
    const double a = std::fabs(value);
    if (a == 0.0) return fixed(0.0, std::min(precision, width - 2));
    const double L = std::log10(a);
    const int e = static_cast<int>(std::floor(L));
    const int m = std::max(e, 0);
    const int k = m + 1;
    const int d = std::min(precision, width - k);
    const bool fixedForm = std::fabs(std::trunc(L)) < d;

    if (a < 1) {
        if (fixedForm) {
            std::string text = fixed(value, std::min(precision, width - 2));
            if (text.find_first_of("123456789") != std::string::npos) return text;
        }
        // Too small to show a digit in the fixed form: a negative exponent,
        // whose sign takes a place of the width.
        return scientific(value, e, [&](int exponent) {
            return std::min(precision,
                            std::max(width - static_cast<int>(std::to_string(exponent).size()) - 6, 0));
        });
    }
    if (fixedForm) return FormatDecimal(value, std::min(precision, std::max(width - m - 2, 0)));
    return scientific(value, m, [&](int exponent) {
        const int g = static_cast<int>(std::trunc(std::log10(static_cast<double>(exponent + 1)) + 1));
        return std::min(precision, std::max(width - g - 6, 0));
    });
}

}  // namespace orrery
