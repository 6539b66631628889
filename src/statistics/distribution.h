#pragma once

#include <cmath>
#include <limits>

#include "statistics/axis_ticks.h"
#include "statistics/distribution_model.h"

namespace orrery {

// A value the drawing cannot plot: an infinite density (at the pole of
// chi-square with 1 degree of freedom or F with d1 = 1) or no number at all.
// Like the evaluator's markers, anything at or beyond the largest finite
// double counts as no value.
inline bool isUndefinedValue(double v) {
    return !(std::fabs(v) < std::numeric_limits<double>::max());
}

// One of the four distributions of the statistics windows. Only the numbers
// live here; the windows keep their own drawing state.
class Distribution {
public:
    virtual ~Distribution() = default;

    // Height of the curve at x, for any x: 0 outside the support, infinite
    // at a pole (see isUndefinedValue).
    double density(double x) const;

    // Probability that the variable lies between a and b (in either order).
    // Limits outside the support count from its edge; NaN gives NaN.
    double area(double a, double b) const;

    // Stores both limits in ascending order, swapping the caller's variables
    // too; true when they were swapped, so the window swaps its boxes.
    bool setLimits(double& a, double& b);
    double lowerLimit() const { return lower_; }
    double upperLimit() const { return upper_; }

    // Upper-tail critical value: the point with probability alpha above it.
    // NaN unless 0 < alpha < 1.
    double criticalValue(double alpha) const;

    // Integer extent of the drawn x axis and its tick spacing.
    virtual int axisRange() const = 0;
    virtual AxisTicks axisTicks() const = 0;

protected:
    virtual DistributionModel model() const = 0;

private:
    double lowerProbability(double x) const;
    double upperProbability(double x) const;

    double lower_ = 0.0;
    double upper_ = 0.0;
};

}  // namespace orrery
