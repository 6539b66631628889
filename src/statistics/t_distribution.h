#pragma once

#include <optional>

#include "common/user_message.h"
#include "statistics/distribution.h"

namespace orrery {

// Student's t distribution.
class TDistribution : public Distribution {
public:
    int degreesOfFreedom() const { return nu_; }
    // Keeps the old value and returns the message when n is outside 1..280.
    std::optional<UserMessage> setDegreesOfFreedom(int n);

    double density(double x) const override;
    int axisRange() const override;
    AxisTicks axisTicks() const override;

protected:
    double lowerTail(double x) const override;
    double upperTail(double x) const override;
    double upperQuantile(double alpha) const override;
    double supportMinimum() const override { return -std::numeric_limits<double>::infinity(); }

private:
    int nu_ = 4;
};

}  // namespace orrery
