#pragma once

#include <functional>

namespace orrery {

// Whether the curve f has a pole or a jump between two neighbouring samples
// (xa, ya) and (xb, yb), judged at the scale of a picture showing yRange.
// The interval is halved towards its larger rise: a continuous curve, however
// steep, soon rises by less than the picture's height within the half kept,
// while across a pole or a jump the rise never shrinks, or the curve has no
// value there at all. Only called for neighbours a whole picture apart, so a
// few evaluations at most per drawn pole.
bool breaksBetween(const std::function<double(double)>& f, double xa, double ya, double xb, double yb,
                   double yRange);

}  // namespace orrery
