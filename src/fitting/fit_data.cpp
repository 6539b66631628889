#include "fitting/fit_data.h"

#include <algorithm>
#include <cmath>

#include "fitting/fit_checks.h"
#include "fitting/fit_text.h"
#include "fitting/least_squares.h"

namespace orrery {
namespace {

// Smallest and largest value, starting from the first one (the data may
// lie anywhere, even beyond ±1e30).
ValueRange rangeOf(const std::vector<double>& values) {
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return {*low, *high};
}

void widen(ValueRange& range, double v) {
    if (!std::isfinite(v)) return;
    range.low = std::min(range.low, v);
    range.high = std::max(range.high, v);
}

}  // namespace

std::optional<UserMessage> FitData::setData(std::vector<double> x, std::vector<double> y, int degree) {
    if (auto message = checkPolynomialData(x, y, degree)) return message;
    FitData candidate;
    candidate.model_ = FitModel::Polynomial;
    candidate.degree_ = degree;
    if (degree == 1) {
        const LineCoefficients line = fitLine(x, y);
        candidate.coefficients_ = {line.c0, line.c1};
    } else {
        candidate.coefficients_ = fitOrthogonalPolynomial(x, y, degree);
    }
    return adopt(std::move(candidate), std::move(x), std::move(y));
}

std::optional<UserMessage> FitData::setExponentialData(std::vector<double> x, std::vector<double> y) {
    if (auto message = checkExponentialData(x, y)) return message;
    std::vector<double> logY(y.size());
    std::transform(y.begin(), y.end(), logY.begin(), [](double v) { return std::log(v); });
    const LineCoefficients line = fitLine(x, logY);
    FitData candidate;
    candidate.model_ = FitModel::Exponential;
    candidate.degree_ = degree_;
    candidate.a_ = std::exp(line.c0);
    candidate.b_ = line.c1;
    return adopt(std::move(candidate), std::move(x), std::move(y));
}

std::optional<UserMessage> FitData::adopt(FitData candidate, std::vector<double> x, std::vector<double> y) {
    const bool finite = std::all_of(candidate.coefficients_.begin(), candidate.coefficients_.end(),
                                    [](double c) { return std::isfinite(c); }) &&
                        std::isfinite(candidate.a_) && std::isfinite(candidate.b_);
    if (!finite)
        return UserMessage{"IMPROPER DATA",
                           "The curve cannot be computed: the values are too large or too close together."};
    candidate.xRange_ = rangeOf(x);
    candidate.yRange_ = rangeOf(y);
    candidate.x_ = std::move(x);
    candidate.y_ = std::move(y);
    *this = std::move(candidate);
    return std::nullopt;
}

double FitData::evaluate(double x) const {
    if (model_ == FitModel::Exponential) return a_ * std::exp(b_ * x);
    double value = coefficients_.empty() ? 0.0 : coefficients_[0];
    if (coefficients_.size() > 1) value += coefficients_[1] * x;
    for (std::size_t k = 2; k < coefficients_.size(); ++k)
        value += coefficients_[k] * std::pow(x, static_cast<double>(k));
    return value;
}

double FitData::rmsError() const {
    if (x_.empty()) return 0.0;
    double sum = 0.0;
    for (std::size_t i = 0; i < x_.size(); ++i) {
        const double d = y_[i] - evaluate(x_[i]);
        sum += d * d;
    }
    return std::sqrt(sum / static_cast<double>(x_.size()));
}

ValueRange FitData::yRange(int pointCount) const {
    if (x_.empty()) return {};
    ValueRange range = yRange_;
    // A line and an exponential are monotonic: their ends bound them.
    const bool bends = model_ == FitModel::Polynomial && degree_ >= 2;
    const int samples = bends ? std::max(pointCount, 2) : 2;
    for (int i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / (samples - 1);
        widen(range, evaluate(xRange_.low + t * (xRange_.high - xRange_.low)));
    }
    return range;
}

std::string FitData::equationText() const {
    if (model_ == FitModel::Exponential) return exponentialEquation(a_, b_);
    if (coefficients_.size() == 2) return lineEquation(coefficients_[0], coefficients_[1]);
    return polynomialEquation(coefficients_);
}

std::string FitData::genericForm() const {
    return model_ == FitModel::Exponential ? exponentialGenericForm() : polynomialGenericForm(degree_);
}

std::string FitData::sketchCharacters() const {
    if (model_ == FitModel::Exponential) return exponentialSketch(a_, b_);
    return polynomialSketch(coefficients_);
}

}  // namespace orrery
