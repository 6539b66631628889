#include "statistics/chi_square_distribution.h"

#include <array>

#include <boost/math/distributions/chi_squared.hpp>

#include "statistics/boost_policy.h"
#include "statistics/degrees_of_freedom.h"

namespace orrery {
namespace {

using ChiSquared = boost::math::chi_squared_distribution<double, stats_detail::Policy>;

// Roughly the upper 0.1 % point, rounded up, for 1..30 degrees of freedom.
constexpr std::array<int, 30> kAxisRange = {8,  11, 13, 15, 17, 19, 21, 22, 24, 25,
                                            27, 28, 30, 31, 33, 34, 36, 37, 38, 40,
                                            41, 43, 44, 46, 47, 48, 50, 51, 52, 54};

}  // namespace

std::optional<UserMessage> ChiSquareDistribution::setDegreesOfFreedom(int n) {
    if (auto message = checkDegreesOfFreedom(
            n, "Cannot compute distribution if the degrees of freedom exceed 280."))
        return message;
    k_ = n;
    return std::nullopt;
}

double ChiSquareDistribution::density(double x) const {
    if (std::isnan(x)) return x;
    if (x < 0.0 || std::isinf(x)) return 0.0;
    if (x == 0.0) {
        if (k_ == 1) return std::numeric_limits<double>::infinity();
        return k_ == 2 ? 0.5 : 0.0;
    }
    return boost::math::pdf(ChiSquared(k_), x);
}

int ChiSquareDistribution::axisRange() const {
    if (k_ <= static_cast<int>(kAxisRange.size())) return kAxisRange[static_cast<std::size_t>(k_ - 1)];
    return (3 * k_) / 2;
}

AxisTicks ChiSquareDistribution::axisTicks() const {
    const int r = axisRange();
    if (r < 9) return {0.5, 2 * r};
    if (r < 25) return {2.0, r / 2};
    return ticksByDivisor(r);
}

double ChiSquareDistribution::lowerTail(double x) const { return boost::math::cdf(ChiSquared(k_), x); }

double ChiSquareDistribution::upperTail(double x) const {
    return boost::math::cdf(boost::math::complement(ChiSquared(k_), x));
}

double ChiSquareDistribution::upperQuantile(double alpha) const {
    return boost::math::quantile(boost::math::complement(ChiSquared(k_), alpha));
}

}  // namespace orrery
