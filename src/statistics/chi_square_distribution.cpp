#include "statistics/chi_square_distribution.h"

#include <array>

namespace orrery {
namespace {

// Roughly the upper 0.1 % point, rounded up, for 1..30 degrees of freedom.
constexpr std::array<int, 30> kAxisRange = {8,  11, 13, 15, 17, 19, 21, 22, 24, 25,
                                            27, 28, 30, 31, 33, 34, 36, 37, 38, 40,
                                            41, 43, 44, 46, 47, 48, 50, 51, 52, 54};

}  // namespace

int ChiSquareDistribution::axisRange() const {
    const int k = degreesOfFreedom();
    if (k <= static_cast<int>(kAxisRange.size())) return kAxisRange[static_cast<std::size_t>(k - 1)];
    return (3 * k) / 2;
}

AxisTicks ChiSquareDistribution::axisTicks() const {
    const int r = axisRange();
    if (r < 9) return {0.5, 2 * r};
    if (r < 25) return {2.0, r / 2};
    return ticksByDivisor(r);
}

}  // namespace orrery
