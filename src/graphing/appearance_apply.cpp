#include "graphing/appearance_apply.h"

#include <algorithm>
#include <cmath>

#include "graphing/graph_view.h"

namespace orrery {

void takeWorkingCopy(GraphSettings& live, const GraphSettings& working) {
    std::vector<CurveLimits> previous = std::move(live.limits);
    live = working;
    for (std::size_t k = live.limits.size(); k < previous.size(); ++k) live.limits.push_back(previous[k]);
    live.modified = true;
}

void takeWorkingColors(GraphSettings& live, const GraphSettings& working) {
    live.curveColors = working.curveColors;
    live.originalPointColors = working.originalPointColors;
    live.axesColor = working.axesColor;
    live.backgroundColor = working.backgroundColor;
    live.labelColor = working.labelColor;
    live.statsColor = working.statsColor;
    live.modified = true;
}

void applyDomains(GraphView& view, const CurveLimits& values, bool allIdentical,
                  const std::array<std::string, 4>& typed) {
    GraphSettings& live = view.settings();
    CurveSet& curves = view.curves();
    if (allIdentical && curves.count() >= 2) {
        for (int which = 0; which < 4; ++which)
            view.labelFormats().setLabelPrecision(which, typed[static_cast<std::size_t>(which)]);
        std::fill(live.limits.begin(), live.limits.end(), values);
        for (std::int32_t i = 0; i < curves.count(); ++i) {
            if (!live.setLimits(i, values, true)) live.limits.resize(static_cast<std::size_t>(i) + 1, values);
            curves.at(i).limits = values;
        }
        live.allLimits = true;
        view.setRange(values);
        return;
    }
    // A single curve applies to all when the box says so: the same result,
    // and the flag stays as the person left it.
    const bool all = allIdentical;
    for (std::int32_t i = 0; i < curves.count(); ++i) {
        const CurveLimits stored = live.limitsOf(i);
        for (int which = 0; which < 4; ++which)
            view.applyLimit(i, all, which, stored.bound(which), typed[static_cast<std::size_t>(which)]);
    }
}

int proportionTrackbarPosition(double calculatorProportion) {
    // The small allowance keeps 1 - 0.05 × position (not exact in binary)
    // on its own position when it is shown again.
    const double position = std::trunc((1.0 - calculatorProportion) * 20.0 + 1e-9);
    if (!(position >= 1.0)) return 1;
    return position > 19.0 ? 19 : static_cast<int>(position);
}

double calculatorProportionAt(int trackbarPosition) {
    // 1 - 0.05 × position, computed so that 0.05 and 0.95 come out as the
    // nearest doubles rather than one step off.
    return (20 - std::clamp(trackbarPosition, 1, 19)) / 20.0;
}

bool setCurveThickness(GraphSettings& working, std::int32_t curve, std::int32_t thickness) {
    const bool all = working.allThickness;
    working.setThickness(curve, thickness, all);
    if (thickness < 2) return true;
    if (all) working.allStyles = true;
    working.setLineStyle(curve, 0, all);
    return false;
}

}  // namespace orrery
