#pragma once

#include <vector>

namespace orrery {

// y = c0 + c1·x by the closed normal equations.
struct LineCoefficients {
    double c0 = 0.0;
    double c1 = 0.0;
};
LineCoefficients fitLine(const std::vector<double>& x, const std::vector<double>& y);

// Least-squares polynomial of the given degree through the orthogonal
// polynomials of the data's x values (three-term recurrence), expanded into
// ordinary coefficients c0..c_degree, constant first. The caller makes sure
// there are more distinct x values than the degree.
std::vector<double> fitOrthogonalPolynomial(const std::vector<double>& x, const std::vector<double>& y,
                                            int degree);

}  // namespace orrery
