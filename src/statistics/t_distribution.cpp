#include "statistics/t_distribution.h"

#include <boost/math/distributions/students_t.hpp>

#include "statistics/boost_policy.h"
#include "statistics/degrees_of_freedom.h"

namespace orrery {
namespace {

using StudentsT = boost::math::students_t_distribution<double, stats_detail::Policy>;

}  // namespace

std::optional<UserMessage> TDistribution::setDegreesOfFreedom(int n) {
    if (auto message = checkDegreesOfFreedom(
            n,
            "Cannot compute t-distribution if the degrees of freedom exceed 280. "
            "Please use the Normal Distribution."))
        return message;
    nu_ = n;
    return std::nullopt;
}

double TDistribution::density(double x) const {
    if (std::isinf(x)) return 0.0;
    return boost::math::pdf(StudentsT(nu_), x);
}

int TDistribution::axisRange() const {
    switch (nu_) {
        case 1: return 300;
        case 2: return 24;
        case 3: return 10;
        case 4: return 7;
        case 5: return 6;
        case 6:
        case 7: return 5;
        default: return nu_ <= 30 ? 4 : 3;
    }
}

AxisTicks TDistribution::axisTicks() const {
    // The axis spans -axisRange..axisRange.
    const int span = 2 * axisRange();
    if (span <= 8) return {0.5, 2 * span};
    if (span <= 24) return {2.0, span / 2};
    return ticksByDivisor(span);
}

double TDistribution::lowerTail(double x) const { return boost::math::cdf(StudentsT(nu_), x); }

double TDistribution::upperTail(double x) const {
    return boost::math::cdf(boost::math::complement(StudentsT(nu_), x));
}

double TDistribution::upperQuantile(double alpha) const {
    return boost::math::quantile(boost::math::complement(StudentsT(nu_), alpha));
}

}  // namespace orrery
