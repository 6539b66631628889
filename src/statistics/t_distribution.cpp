#include "statistics/t_distribution.h"

namespace orrery {

int TDistribution::axisRange() const {
    const int n = degreesOfFreedom();
    switch (n) {
        case 1: return 300;
        case 2: return 24;
        case 3: return 10;
        case 4: return 7;
        case 5: return 6;
        case 6:
        case 7: return 5;
        default: return n <= 30 ? 4 : 3;
    }
}

AxisTicks TDistribution::axisTicks() const {
    // The axis spans -axisRange..axisRange.
    const int span = 2 * axisRange();
    if (span <= 8) return {0.5, 2 * span};
    if (span <= 24) return {2.0, span / 2};
    return ticksByDivisor(span);
}

}  // namespace orrery
