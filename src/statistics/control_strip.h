#pragma once

#include <string>
#include <vector>

#include "statistics/distribution_kind.h"

namespace orrery {

struct StripRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const StripRect&, const StripRect&) = default;
};

// One control of the strip along the bottom of a distribution window, with
// the label drawn centred above it (empty for none).
struct StripControl {
    StripRect box;
    std::string label;
};

// The strip for a client area W x H and dialog base units (bx, by): the
// input controls in tab order (limit boxes, degree boxes, Calculate) and
// the Probability box last.
struct ControlStrip {
    std::vector<StripControl> inputs;
    StripControl probability;
    int labelTop = 0;
};
ControlStrip controlStrip(DistributionKind kind, int width, int height, int by);

// A statistics window opened from a frame whose client area is W x H:
// five sixths of the width and three quarters of the height, with 700 x 450
// as the least.
struct WindowSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const WindowSize&, const WindowSize&) = default;
};
WindowSize statisticsWindowSize(int frameWidth, int frameHeight);

}  // namespace orrery
