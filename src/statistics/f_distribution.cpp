#include "statistics/f_distribution.h"

#include <boost/math/distributions/fisher_f.hpp>

#include "common/c_numeric.h"
#include "statistics/boost_policy.h"
#include "statistics/f_axis_range.h"

namespace orrery {
namespace {

using FisherF = boost::math::fisher_f_distribution<double, stats_detail::Policy>;

constexpr int kMaxFDegrees = 80;

std::string checkFDegrees(int n, int which) {
    if (n < 1) return formatC("The degrees of freedom #%d must be >= 1\n", which);
    if (n > kMaxFDegrees)
        return formatC("Calculation not accurate if the degrees of freedom #%d exceed 80.\n", which);
    return {};
}

}  // namespace

std::string FDistribution::setD1(int n) {
    std::string message = checkFDegrees(n, 1);
    if (message.empty()) d1_ = n;
    return message;
}

std::string FDistribution::setD2(int n) {
    std::string message = checkFDegrees(n, 2);
    if (message.empty()) d2_ = n;
    return message;
}

double FDistribution::density(double x) const {
    if (std::isnan(x)) return x;
    if (x < 0.0 || std::isinf(x)) return 0.0;
    if (x == 0.0) {
        if (d1_ == 1) return std::numeric_limits<double>::infinity();
        return d1_ == 2 ? 1.0 : 0.0;
    }
    return boost::math::pdf(FisherF(d1_, d2_), x);
}

int FDistribution::axisRange() const { return fAxisRange(d1_, d2_); }

AxisTicks FDistribution::axisTicks() const {
    const int r = axisRange();
    if (r <= 5) return {0.5, 2 * r};
    return ticksByDivisor(r);
}

double FDistribution::lowerTail(double x) const { return boost::math::cdf(FisherF(d1_, d2_), x); }

double FDistribution::upperTail(double x) const {
    return boost::math::cdf(boost::math::complement(FisherF(d1_, d2_), x));
}

// Boost's F quantile fills its second output through a call GCC cannot see
// into, so GCC warns about a value that is always set.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
double FDistribution::upperQuantile(double alpha) const {
    return boost::math::quantile(boost::math::complement(FisherF(d1_, d2_), alpha));
}
#pragma GCC diagnostic pop

}  // namespace orrery
