#pragma once

#include "statistics/single_degree_distribution.h"

namespace orrery {

// Student's t distribution.
class TDistribution : public SingleDegreeDistribution {
public:
    TDistribution()
        : SingleDegreeDistribution(4,
                                   "Cannot compute t-distribution if the degrees of freedom exceed 280. "
                                   "Please use the Normal Distribution.") {}

    int axisRange() const override;
    AxisTicks axisTicks() const override;

protected:
    DistributionModel model() const override {
        return {DistributionModel::Family::StudentT, static_cast<double>(degreesOfFreedom())};
    }
};

}  // namespace orrery
