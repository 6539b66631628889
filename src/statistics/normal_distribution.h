#pragma once

#include "statistics/distribution.h"

namespace orrery {

// The standard normal distribution.
class NormalDistribution : public Distribution {
public:
    int axisRange() const override { return 3; }
    AxisTicks axisTicks() const override { return {0.5, 4 * axisRange()}; }

protected:
    DistributionModel model() const override { return {DistributionModel::Family::Normal}; }
};

}  // namespace orrery
