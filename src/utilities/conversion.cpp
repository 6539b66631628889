#include "utilities/conversion.h"

#include <cmath>

#include "common/c_numeric.h"
#include "expression/number_format.h"

namespace orrery {
namespace {

double toCelsius(double value, int scale) {
    switch (static_cast<TemperatureScale>(scale)) {
    case TemperatureScale::Fahrenheit: return (value - 32) * 0.5555555555555556;
    case TemperatureScale::Kelvin: return value - 273.15;
    default: return value;
    }
}

double fromCelsius(double c, int scale) {
    switch (static_cast<TemperatureScale>(scale)) {
    case TemperatureScale::Fahrenheit: return c * 1.8 + 32;
    case TemperatureScale::Kelvin: return c + 273.15;
    default: return c;
    }
}

constexpr int kFirstExponent = 14;
constexpr int kLastExponent = 306;

// The exponent e with 10^e <= a < 10^(e+1), counted outwards from 14;
// past 306 there is none.
int largeExponent(double a) {
    int e = kFirstExponent;
    while (e <= kLastExponent && std::pow(10.0, e + 1) <= a) ++e;
    return e;
}

int smallExponent(double a) {
    int e = kFirstExponent;
    while (e <= kLastExponent && std::pow(10.0, -e) > a) ++e;
    return e;
}

// value / 10^exponent with 10 decimals; a mantissa that rounds up to 10 moves
// to the next exponent so it always reads 1 to 9.99...
std::string scientific(double value, int exponent) {
    for (int attempt = 0;; ++attempt) {
        const double mantissa =
            exponent >= 0 ? value / std::pow(10.0, exponent) : value * std::pow(10.0, -exponent);
        const std::string text = formatC("%.10f", mantissa);
        const bool tenOrMore = text.find('.') - (text[0] == '-' ? 1 : 0) > 1;
        if (tenOrMore && attempt == 0) {
            ++exponent;
            continue;
        }
        return text + (exponent >= 0 ? "e+" : "e-") + std::to_string(std::abs(exponent));
    }
}

}  // namespace

double convert(MeasurementType type, double value, int fromUnit, int toUnit) {
    if (type == MeasurementType::Temperature) {
        if (fromUnit == toUnit) return value;
        return fromCelsius(toCelsius(value, fromUnit), toUnit);
    }
    return value * unitFactor(type, fromUnit) / unitFactor(type, toUnit);
}

std::string formatResult(double value) {
    const double a = std::fabs(value);
    if (value == 0.0) return "0";
    if (1e-14 < a && value < 1e14) return FormatDecimal(value, 14);
    if (std::isnan(value)) return "Undefined";
    if (a >= 1e14) {
        const int e = largeExponent(a);
        if (e > kLastExponent) return "Result>1e+307";
        return scientific(value, e);
    }
    const int e = smallExponent(a);
    if (e > kLastExponent) return kUnderflowResult;
    return scientific(value, -e);
}

}  // namespace orrery
