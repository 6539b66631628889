#pragma once

namespace orrery {

// A rectangle in picture coordinates.
struct ClipBox {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// Cuts the segment (x1, y1)-(x2, y2) down to its part inside the box (ends
// inside stay exactly as they were); false when no part is inside. Curves
// can have rows millions of pixels off the picture, and stroking such
// segments whole makes smoothed wide pens crawl.
bool clipSegment(const ClipBox& box, double& x1, double& y1, double& x2, double& y2);

}  // namespace orrery
