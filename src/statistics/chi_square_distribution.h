#pragma once

#include <optional>

#include "common/user_message.h"
#include "statistics/distribution.h"

namespace orrery {

class ChiSquareDistribution : public Distribution {
public:
    int degreesOfFreedom() const { return k_; }
    // Keeps the old value and returns the message when n is outside 1..280.
    std::optional<UserMessage> setDegreesOfFreedom(int n);

    // 0.5 at 0 for 2 degrees of freedom; infinite there for 1.
    double density(double x) const override;
    int axisRange() const override;
    AxisTicks axisTicks() const override;

protected:
    double lowerTail(double x) const override;
    double upperTail(double x) const override;
    double upperQuantile(double alpha) const override;
    double supportMinimum() const override { return 0.0; }

private:
    int k_ = 6;
};

}  // namespace orrery
