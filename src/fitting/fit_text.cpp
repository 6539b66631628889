#include "fitting/fit_text.h"

#include <algorithm>
#include <cmath>

#include "common/c_numeric.h"

namespace orrery {
namespace {

// Joins a later term: its own minus sign, or a "+". The sign is taken from
// the written number, so a negative zero never gives "+-".
void appendTerm(std::string& text, const std::string& number) {
    if (!text.empty() && number.front() != '-') text += '+';
    text += number;
}

// At least ten decimals, as many more as keep ten significant digits of a
// small coefficient (a typed number cannot carry an exponent).
std::string sketchNumber(double value) {
    int decimals = 10;
    if (value != 0.0 && std::isfinite(value) && std::fabs(value) < 1.0)
        decimals = std::clamp(9 - static_cast<int>(std::floor(std::log10(std::fabs(value)))), 10, 340);
    return formatC("%.*f", decimals, value);
}

}  // namespace

std::string lineEquation(double c0, double c1) {
    std::string text = "y=" + formatC("%.6lf", c1) + "x";
    appendTerm(text, formatC("%.6lf", c0));
    return text;
}

std::string polynomialEquation(const std::vector<double>& coefficients) {
    std::string text;
    for (std::size_t k = coefficients.size(); k-- > 0;) {
        const double c = coefficients[k];
        if (std::fabs(c) < 1e-20) continue;
        std::string term = formatC("%.5f", c);
        if (k >= 2) term += "x^" + std::to_string(k);
        else if (k == 1) term += "x";
        appendTerm(text, term);
    }
    // Every coefficient negligible: the curve is y = 0.
    return text.empty() ? formatC("%.5f", 0.0) : text;
}

std::string exponentialEquation(double a, double b) {
    return "y = " + formatC("%.10lf", a) + "*exp(" + formatC("%.10lf", b) + "x)";
}

std::string polynomialGenericForm(int degree) {
    switch (degree) {
        case 1: return "y = ax+b";
        case 2: return "y = ax^2+bx+c";
        case 3: return "y = ax^3+bx^2+cx+d";
        default:
            return formatC("y=ax^%d+bx^%d+cx^%d+...", degree, degree - 1, degree - 2);
    }
}

std::string polynomialSketch(const std::vector<double>& coefficients) {
    std::string text;
    for (std::size_t k = coefficients.size(); k-- > 0;) {
        std::string term = sketchNumber(coefficients[k]);
        if (k >= 2) term += "x^" + std::to_string(k);
        else if (k == 1) term += "x";
        appendTerm(text, term);
    }
    return text;
}

std::string exponentialSketch(double a, double b) {
    return sketchNumber(a) + "*e^(" + sketchNumber(b) + "*x)";
}

}  // namespace orrery
