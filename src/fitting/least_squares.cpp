#include "fitting/least_squares.h"

#include <cstddef>
#include <utility>

namespace orrery {

LineCoefficients fitLine(const std::vector<double>& x, const std::vector<double>& y) {
    const double n = static_cast<double>(x.size());
    double sx = 0.0, sy = 0.0, sxx = 0.0, sxy = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sx += x[i];
        sy += y[i];
        sxx += x[i] * x[i];
        sxy += x[i] * y[i];
    }
    const double d = n * sxx - sx * sx;
    return {(sxx * sy - sxy * sx) / d, (n * sxy - sy * sx) / d};
}

namespace {

// One orthogonal polynomial: its coefficients (ascending powers), its values
// at the data's x, and its squared norm over them.
struct Orthogonal {
    std::vector<double> coefficients;
    std::vector<double> values;
    double norm = 0.0;
};

double sumOfProducts(const std::vector<double>& a, const std::vector<double>& b, const std::vector<double>* x) {
    double sum = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i) sum += (x ? (*x)[i] : 1.0) * a[i] * b[i];
    return sum;
}

// p_next = (x - alpha)·p - beta·p_previous, on coefficients and on values.
Orthogonal nextPolynomial(const std::vector<double>& x, const Orthogonal& p, const Orthogonal* previous,
                          double alpha, double beta) {
    Orthogonal next;
    next.coefficients.assign(p.coefficients.size() + 1, 0.0);
    for (std::size_t k = 0; k < p.coefficients.size(); ++k) {
        next.coefficients[k + 1] += p.coefficients[k];
        next.coefficients[k] -= alpha * p.coefficients[k];
    }
    next.values.resize(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) next.values[i] = (x[i] - alpha) * p.values[i];
    if (previous) {
        for (std::size_t k = 0; k < previous->coefficients.size(); ++k)
            next.coefficients[k] -= beta * previous->coefficients[k];
        for (std::size_t i = 0; i < x.size(); ++i) next.values[i] -= beta * previous->values[i];
    }
    next.norm = sumOfProducts(next.values, next.values, nullptr);
    return next;
}

}  // namespace

std::vector<double> fitOrthogonalPolynomial(const std::vector<double>& x, const std::vector<double>& y,
                                            int degree) {
    const std::size_t m = static_cast<std::size_t>(degree);
    std::vector<double> result(m + 1, 0.0);
    auto addComponent = [&](const Orthogonal& p) {
        const double gamma = sumOfProducts(y, p.values, nullptr) / p.norm;
        for (std::size_t k = 0; k < p.coefficients.size(); ++k) result[k] += gamma * p.coefficients[k];
    };

    Orthogonal previous{{1.0}, std::vector<double>(x.size(), 1.0), static_cast<double>(x.size())};
    addComponent(previous);
    if (m == 0) return result;
    const double alpha0 = sumOfProducts(previous.values, previous.values, &x) / previous.norm;
    Orthogonal current = nextPolynomial(x, previous, nullptr, alpha0, 0.0);
    addComponent(current);
    for (std::size_t j = 1; j < m; ++j) {
        const double alpha = sumOfProducts(current.values, current.values, &x) / current.norm;
        const double beta = sumOfProducts(current.values, previous.values, &x) / previous.norm;
        Orthogonal next = nextPolynomial(x, current, &previous, alpha, beta);
        previous = std::move(current);
        current = std::move(next);
        addComponent(current);
    }
    return result;
}

}  // namespace orrery
