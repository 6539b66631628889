#pragma once

#include "statistics/distribution.h"

namespace orrery {

// The standard normal distribution.
class NormalDistribution : public Distribution {
public:
    double density(double x) const override;
    int axisRange() const override { return 3; }
    AxisTicks axisTicks() const override { return {0.5, 4 * axisRange()}; }

protected:
    double lowerTail(double x) const override;
    double upperTail(double x) const override;
    double upperQuantile(double alpha) const override;
    double supportMinimum() const override { return -std::numeric_limits<double>::infinity(); }
};

}  // namespace orrery
