#include "graphing/pole_test.h"

#include <cmath>

#include "expression/markers.h"

namespace orrery {

bool breaksBetween(const std::function<double(double)>& f, double xa, double ya, double xb, double yb,
                   double yRange) {
    constexpr int kMaxHalvings = 200;  // far beyond the 64 a double can be halved
    for (int halving = 0; halving < kMaxHalvings; ++halving) {
        if (std::fabs(yb - ya) <= yRange) return false;
        const double xm = xa + (xb - xa) / 2;
        if (xm == xa || xm == xb) return true;  // no room left, and still a whole picture apart
        const double ym = f(xm);
        if (isNoValue(ym) || std::isnan(ym)) return true;
        if (std::fabs(ym - ya) >= std::fabs(yb - ym)) {
            xb = xm;
            yb = ym;
        } else {
            xa = xm;
            ya = ym;
        }
    }
    return true;
}

}  // namespace orrery
