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

    // Infinite at 0 when d1 = 1, 1 there when d1 = 2, 0 for negative x.
    double density(double x) const override;
    int axisRange() const override;
    AxisTicks axisTicks() const override;

protected:
    double lowerTail(double x) const override;
    double upperTail(double x) const override;
    double upperQuantile(double alpha) const override;
    double supportMinimum() const override { return 0.0; }

private:
    int d1_ = 6;
    int d2_ = 6;
};

}  // namespace orrery
