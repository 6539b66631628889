#pragma once

#include "common/color_ref.h"

namespace orrery {

class FitData;
class FrameHooks;
class GraphView;

// How the fitted curve is to be shown beside its data.
struct SketchLook {
    bool showOriginalPoints = true;
    ColorRef pointColor = 0;
};

// The curve that the next fitted sketch goes into: the current one when it
// is still empty, else the last one when that is empty, else a new one.
int nextFitCurve(const GraphView& view);

// Puts a fitted curve on the graph: types its characters into an empty curve
// (added at the end when needed) through the keyboard path, gives it its
// data points and their look, sizes the graph to the data's x range and the
// curve's y range, draws, and enables the graph's menu items. False when the
// typing was refused; the curve is then left empty.
bool sketchFit(const FitData& fit, const SketchLook& look, GraphView& view, FrameHooks& frame);

}  // namespace orrery
