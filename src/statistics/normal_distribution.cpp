#include "statistics/normal_distribution.h"

#include <boost/math/distributions/normal.hpp>

#include "statistics/boost_policy.h"

namespace orrery {
namespace {

using Normal = boost::math::normal_distribution<double, stats_detail::Policy>;

}  // namespace

double NormalDistribution::density(double x) const {
    if (std::isinf(x)) return 0.0;
    return boost::math::pdf(Normal(), x);
}

double NormalDistribution::lowerTail(double x) const { return boost::math::cdf(Normal(), x); }

double NormalDistribution::upperTail(double x) const {
    return boost::math::cdf(boost::math::complement(Normal(), x));
}

double NormalDistribution::upperQuantile(double alpha) const {
    return boost::math::quantile(boost::math::complement(Normal(), alpha));
}

}  // namespace orrery
