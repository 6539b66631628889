#pragma once

#include <cstdint>

#include "graphing/curve_limits.h"

namespace orrery {

// Range arithmetic of direct navigation (the wheel and a drag of the graph),
// in the window pixels of a width x height graph with the 20-pixel margin.

// One wheel notch zooms by this factor; with Ctrl, a notch is a quarter step.
inline constexpr double kWheelZoomFactor = 1.25;
inline constexpr double kFineWheelNotches = 0.25;
// Notches closer together than this make one zoom-history entry.
inline constexpr std::int64_t kWheelMergeMillis = 500;
// A press that moves less than this (in x and in y) is a click, not a drag.
inline constexpr std::int32_t kPanThreshold = 4;

// The range zoomed by `factor` (above 1 zooms in) about pixel (px, py): the
// point under the cursor stays where it is on the screen.
CurveLimits zoomedAbout(const CurveLimits& range, std::int32_t width, std::int32_t height, double px, double py,
                        double factor);

// The range moved so that the picture follows a drag of (dx, dy) pixels.
CurveLimits pannedBy(const CurveLimits& range, std::int32_t width, std::int32_t height, double dx, double dy);

// Whether the picture can show the range: finite bounds, a positive width and
// height, and enough resolution that neighbouring pixels still differ.
bool navigable(const CurveLimits& range);

}  // namespace orrery
