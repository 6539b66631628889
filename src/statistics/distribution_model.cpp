#include "statistics/distribution_model.h"

#include <limits>

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>

#include "statistics/boost_policy.h"

namespace orrery {
namespace {

using stats_detail::Policy;

// Calls f with the Boost.Math distribution of the model.
template <class F>
double withBoost(const DistributionModel& model, F f) {
    switch (model.family) {
        case DistributionModel::Family::Normal:
            return f(boost::math::normal_distribution<double, Policy>());
        case DistributionModel::Family::ChiSquare:
            return f(boost::math::chi_squared_distribution<double, Policy>(model.first));
        case DistributionModel::Family::StudentT:
            return f(boost::math::students_t_distribution<double, Policy>(model.first));
        case DistributionModel::Family::FisherF:
            return f(boost::math::fisher_f_distribution<double, Policy>(model.first, model.second));
    }
    return std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

double supportMinimum(const DistributionModel& model) {
    switch (model.family) {
        case DistributionModel::Family::ChiSquare:
        case DistributionModel::Family::FisherF: return 0.0;
        default: return -std::numeric_limits<double>::infinity();
    }
}

double modelDensity(const DistributionModel& model, double x) {
    return withBoost(model, [x](const auto& d) { return boost::math::pdf(d, x); });
}

double modelLowerTail(const DistributionModel& model, double x) {
    return withBoost(model, [x](const auto& d) { return boost::math::cdf(d, x); });
}

double modelUpperTail(const DistributionModel& model, double x) {
    return withBoost(model, [x](const auto& d) { return boost::math::cdf(boost::math::complement(d, x)); });
}

// Boost's F quantile fills its second output through a call GCC cannot see
// into, so GCC warns about a value that is always set.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
double modelUpperQuantile(const DistributionModel& model, double alpha) {
    return withBoost(model,
                     [alpha](const auto& d) { return boost::math::quantile(boost::math::complement(d, alpha)); });
}
#pragma GCC diagnostic pop

double modelDensityAtZero(const DistributionModel& model) {
    // The shape at 0 follows the power x^(k/2 - 1) of the first degree.
    const double degree = model.first;
    if (degree == 1.0) return std::numeric_limits<double>::infinity();
    if (degree == 2.0) return model.family == DistributionModel::Family::ChiSquare ? 0.5 : 1.0;
    return 0.0;
}

}  // namespace orrery
