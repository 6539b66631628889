#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphing/curve_limits.h"
#include "graphing/label_formats.h"

namespace orrery {

struct AxisSegment {
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    friend bool operator==(const AxisSegment&, const AxisSegment&) = default;
};

enum class LabelAlign { Left, Center, Right };

// A label's text and anchor: x is its left edge, centre or right edge by the
// alignment, y its top.
struct AxisLabel {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::string text;
    LabelAlign align = LabelAlign::Left;
    friend bool operator==(const AxisLabel&, const AxisLabel&) = default;
};

// Cartesian axes through the origin, moved to the window edge (and dashed
// orange) when the origin is off screen; green ticks with a few labels.
struct CartesianAxes {
    AxisSegment xAxis;
    bool xAxisOffScreen = false;
    AxisSegment yAxis;
    bool yAxisOffScreen = false;
    std::vector<AxisSegment> ticks;
    std::vector<AxisLabel> labels;
};

// lineHeight: character height plus external leading of the label font.
CartesianAxes cartesianAxes(const CurveLimits& range, std::int32_t width, std::int32_t height,
                            const LabelFormats& formats, std::int32_t lineHeight);

struct BoxFontMetrics {
    std::int32_t charHeight = 0;
    std::int32_t externalLeading = 0;
    std::int32_t averageCharWidth = 0;
};

// A frame inside the margins with nine grid lines each way, labelled on all
// four sides.
struct BoxedAxes {
    AxisSegment frame;  // the rectangle's corners
    std::vector<AxisSegment> gridLines;
    std::vector<AxisLabel> labels;
};

BoxedAxes boxedAxes(const CurveLimits& range, std::int32_t width, std::int32_t height,
                    const BoxFontMetrics& metrics);

// A pixel coordinate from a double, saturated into the int32 range (NaN gives 0).
std::int32_t toPixel(double value);

}  // namespace orrery
