#include "statistics/distribution.h"

#include <algorithm>
#include <utility>

namespace orrery {

double Distribution::density(double x) const {
    if (std::isnan(x)) return x;
    const DistributionModel m = model();
    if (std::isinf(x) || x < supportMinimum(m)) return 0.0;
    if (x == 0.0 && supportMinimum(m) == 0.0) return modelDensityAtZero(m);
    return modelDensity(m, x);
}

double Distribution::lowerProbability(double x) const {
    const DistributionModel m = model();
    if (x <= supportMinimum(m)) return 0.0;
    if (std::isinf(x)) return 1.0;
    return modelLowerTail(m, x);
}

double Distribution::upperProbability(double x) const {
    const DistributionModel m = model();
    if (x <= supportMinimum(m)) return 1.0;
    if (std::isinf(x)) return 0.0;
    return modelUpperTail(m, x);
}

double Distribution::area(double a, double b) const {
    if (std::isnan(a) || std::isnan(b)) return std::numeric_limits<double>::quiet_NaN();
    if (a > b) std::swap(a, b);
    // In the upper half the difference of the upper tails keeps the digits
    // that 1 - small would lose.
    const double lowerA = lowerProbability(a);
    const double result = lowerA > 0.5 ? upperProbability(a) - upperProbability(b)
                                       : lowerProbability(b) - lowerA;
    return std::clamp(result, 0.0, 1.0);
}

bool Distribution::setLimits(double& a, double& b) {
    const bool swapped = a > b;
    if (swapped) std::swap(a, b);
    lower_ = a;
    upper_ = b;
    return swapped;
}

double Distribution::criticalValue(double alpha) const {
    if (!(alpha > 0.0 && alpha < 1.0)) return std::numeric_limits<double>::quiet_NaN();
    return modelUpperQuantile(model(), alpha);
}

}  // namespace orrery
