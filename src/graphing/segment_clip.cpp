#include "graphing/segment_clip.h"

#include <cmath>

namespace orrery {

bool clipSegment(const ClipBox& box, double& x1, double& y1, double& x2, double& y2) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return false;
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    // Liang-Barsky: the segment is x1 + t dx, y1 + t dy for t in [enter, leave].
    double enter = 0.0;
    double leave = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - box.left, box.right - x1, y1 - box.top, box.bottom - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;  // parallel to this side and outside it
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > enter) enter = t;
        } else if (t < leave) {
            leave = t;
        }
        if (enter > leave) return false;
    }
    const double startX = x1;
    const double startY = y1;
    if (leave < 1.0) {
        x2 = startX + leave * dx;
        y2 = startY + leave * dy;
    }
    if (enter > 0.0) {
        x1 = startX + enter * dx;
        y1 = startY + enter * dy;
    }
    return true;
}

}  // namespace orrery
