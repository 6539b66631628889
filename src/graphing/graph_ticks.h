#pragma once

#include <cstdint>
#include <vector>

namespace orrery {

struct AxisTick {
    double value = 0.0;          // the number its label shows
    std::int32_t position = 0;   // pixel along the axis
    friend bool operator==(const AxisTick&, const AxisTick&) = default;
};

// Tick marks for the axis from a to b on a window side of L pixels (20-pixel
// margins): quarters of a twelfth of the range for short ranges, halves up to
// 6, then whole steps of 1, 2, 5, 10 and their powers of ten.
std::vector<AxisTick> computeTicks(double a, double b, std::int32_t length, bool isX);

}  // namespace orrery
