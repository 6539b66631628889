#pragma once

#include <string>

#include "statistics/distribution.h"

namespace orrery {

// Snedecor's F distribution with d1 and d2 degrees of freedom.
class FDistribution : public Distribution {
public:
    int d1() const { return d1_; }
    int d2() const { return d2_; }
    // Each setter keeps the old value and returns a line of text when n is
    // outside 1..80, empty when it was accepted; the caller joins the two.
    std::string setD1(int n);
    std::string setD2(int n);

    int axisRange() const override;
    AxisTicks axisTicks() const override;

protected:
    DistributionModel model() const override {
        return {DistributionModel::Family::FisherF, static_cast<double>(d1_), static_cast<double>(d2_)};
    }

private:
    int d1_ = 6;
    int d2_ = 6;
};

}  // namespace orrery
