#include "fitting/qt/fit_sketch.h"

#include <algorithm>
#include <cmath>

#include "common/qt/frame_hooks.h"
#include "common/utf8.h"
#include "fitting/fit_data.h"
#include "graphing/graph_view.h"
#include "shell/command_ids.h"

namespace orrery {
namespace {

// Menu state that enables saving, zooming and the graph items.
constexpr int kGraphDrawn = 7;

}  // namespace

int nextFitCurve(const GraphView& view) {
    const CurveSet& curves = view.curves();
    if (curves.current().tokens.empty()) return curves.currentIndex();
    if (curves.at(curves.count() - 1).tokens.empty()) return curves.count() - 1;
    return curves.count();
}

bool sketchFit(const FitData& fit, const SketchLook& look, GraphView& view, FrameHooks& frame) {
    // A function name being typed belongs to the curve it was typed into: a
    // character that is no key ends it there, before the fit takes a curve.
    if (!frame.typeCharacters(U" ")) return false;

    GraphSettings& settings = view.settings();
    CurveSet& curves = view.curves();
    const int index = nextFitCurve(view);
    if (index == curves.count()) {
        curves.setCurrentIndex(index - 1);
        curves.addCurve(settings, view.range(), true);
    } else {
        curves.setCurrentIndex(index);
    }

    if (!frame.typeCharacters(decodeUtf8(fit.sketchCharacters()))) {
        curves.clearCurve(index);
        frame.redrawAll();
        return false;
    }

    Curve& curve = curves.at(index);
    curve.originalPoints.clear();
    for (std::size_t i = 0; i < fit.pointCount(); ++i) curve.originalPoints.push_back({fit.x()[i], fit.y()[i]});
    settings.setShowOriginal(index, look.showOriginalPoints);
    settings.setColor(ColorKind::OriginalPoints, index, look.pointColor);

    // The y range holds the curve only over the data's x values, and a fit
    // says nothing beyond them, so the graph shows exactly that stretch.
    const ValueRange x = fit.xRange();
    ValueRange y = fit.yRange(settings.pointCount(index));
    if (!(y.high > y.low)) {
        // A level line: give it room rather than a range of zero height.
        const double room = std::max(1.0, std::fabs(y.low));
        y = {y.low - room, y.high + room};
    }
    const CurveLimits limits{x.low, x.high, y.low, y.high};
    settings.setLimits(index, limits, true);
    curve.limits = limits;
    view.setRange(limits);

    frame.runCommand(command::kSketch);
    frame.setMenuState(kGraphDrawn);
    return true;
}

}  // namespace orrery
