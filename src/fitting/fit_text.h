#pragma once

#include <string>
#include <vector>

namespace orrery {

// The texts a fitting dialog shows and the characters that sketch the curve.

// "y=2.000000x-1.000000".
std::string lineEquation(double c0, double c1);
// Degree 2 and above, highest power first: "1.00000x^2-3.00000x+2.00000".
std::string polynomialEquation(const std::vector<double>& coefficients);
// "y = 1.0000000000*exp(2.0000000000x)".
std::string exponentialEquation(double a, double b);

// The form of the equation before any numbers are known: "y = ax^2+bx+c".
std::string polynomialGenericForm(int degree);
inline const char* exponentialGenericForm() { return "y=a*exp(bx)"; }

// Characters that, typed into the calculator, enter the fitted curve:
// "1.0000000000x^2-3.0000000000x+2.0000000000" and "a*e^(b*x)". Numbers are
// written in full, without exponents, since a typed "e" is the constant e.
std::string polynomialSketch(const std::vector<double>& coefficients);
std::string exponentialSketch(double a, double b);

}  // namespace orrery
