#pragma once

#include "statistics/single_degree_distribution.h"

namespace orrery {

class ChiSquareDistribution : public SingleDegreeDistribution {
public:
    ChiSquareDistribution()
        : SingleDegreeDistribution(6, "Cannot compute distribution if the degrees of freedom exceed 280.") {}

    int axisRange() const override;
    AxisTicks axisTicks() const override;

protected:
    DistributionModel model() const override {
        return {DistributionModel::Family::ChiSquare, static_cast<double>(degreesOfFreedom())};
    }
};

}  // namespace orrery
