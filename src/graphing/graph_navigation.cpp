#include "graphing/graph_navigation.h"

#include <algorithm>
#include <cmath>

namespace orrery {

namespace {

// Below this relative width the bounds run out of digits: the picture would
// show rounding steps instead of curves.
constexpr double kMinRelativeSpan = 1e-12;

bool spanUsable(double low, double high) {
    const double span = high - low;
    if (!std::isfinite(low) || !std::isfinite(high) || !std::isfinite(span) || span <= 0) return false;
    const double magnitude = std::max(std::fabs(low), std::fabs(high));
    return span > magnitude * kMinRelativeSpan && span > 1e-300;
}

}  // namespace

CurveLimits zoomedAbout(const CurveLimits& range, std::int32_t width, std::int32_t height, double px, double py,
                        double factor) {
    const double plotW = std::max(1, width - 40);
    const double plotH = std::max(1, height - 40);
    // The world point under the cursor, and its share of the plotting area.
    const double fx = (px - 20) / plotW;
    const double fy = (py - 20) / plotH;
    const double x = range.xMin + fx * (range.xMax - range.xMin);
    const double y = range.yMax - fy * (range.yMax - range.yMin);
    const double w = (range.xMax - range.xMin) / factor;
    const double h = (range.yMax - range.yMin) / factor;
    const double xMin = x - fx * w;
    const double yMax = y + fy * h;
    return {xMin, xMin + w, yMax - h, yMax};
}

CurveLimits pannedBy(const CurveLimits& range, std::int32_t width, std::int32_t height, double dx, double dy) {
    const double shiftX = -dx * (range.xMax - range.xMin) / std::max(1, width - 40);
    const double shiftY = dy * (range.yMax - range.yMin) / std::max(1, height - 40);
    return {range.xMin + shiftX, range.xMax + shiftX, range.yMin + shiftY, range.yMax + shiftY};
}

bool navigable(const CurveLimits& range) {
    return spanUsable(range.xMin, range.xMax) && spanUsable(range.yMin, range.yMax);
}

}  // namespace orrery
