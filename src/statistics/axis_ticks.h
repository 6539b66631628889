#pragma once

namespace orrery {

// Spacing and number of the ticks on one side of a distribution's x axis.
struct AxisTicks {
    double step = 0.0;
    int count = 0;

    friend bool operator==(const AxisTicks&, const AxisTicks&) = default;
};

// For long axes: the divisor among 8..11 that leaves the smallest remainder
// (the first wins a tie) sets the count, at least 1, and span / count in
// whole numbers the step.
AxisTicks ticksByDivisor(int span);

}  // namespace orrery
