#include "statistics/axis_ticks.h"

#include <algorithm>

namespace orrery {

AxisTicks ticksByDivisor(int span) {
    int best = 8;
    for (int d = 9; d <= 11; ++d)
        if (span % d < span % best) best = d;
    const int count = std::max(1, std::min(span, best));
    return {static_cast<double>(span / count), count};
}

}  // namespace orrery
