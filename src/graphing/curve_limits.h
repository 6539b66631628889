#pragma once

namespace orrery {

// A curve's domain and range, and the unit in which limits are stored,
// copied and compared. The graph range is one too.
struct CurveLimits {
    double xMin = -5.0;
    double xMax = 5.0;
    double yMin = -5.0;
    double yMax = 5.0;

    // which: 0 xMin, 1 xMax, 2 yMin, 3 yMax.
    double bound(int which) const;
    void setBound(int which, double value);

    friend bool operator==(const CurveLimits&, const CurveLimits&) = default;
};

inline double CurveLimits::bound(int which) const {
    switch (which) {
        case 0: return xMin;
        case 1: return xMax;
        case 2: return yMin;
        default: return yMax;
    }
}

inline void CurveLimits::setBound(int which, double value) {
    switch (which) {
        case 0: xMin = value; break;
        case 1: xMax = value; break;
        case 2: yMin = value; break;
        default: yMax = value; break;
    }
}

}  // namespace orrery
