#pragma once

#include <array>
#include <string>

#include "graphing/curve_limits.h"
#include "graphing/graph_settings.h"

namespace orrery {

class GraphView;

// How the appearance dialogs hand their working copy back to the live
// settings. Each marks the work modified.

// The whole working copy becomes live. Limit entries of curves added while a
// modeless sheet was open are kept, so no curve loses its stored domain.
void takeWorkingCopy(GraphSettings& live, const GraphSettings& working);

// Only the colours: the Set Colors sheet edits nothing else, and copying the
// rest would undo zooms or a document opened while the sheet stayed open.
void takeWorkingColors(GraphSettings& live, const GraphSettings& working);

// The limits of the Domains/Range fields reach the curves and the graph range.
// With identical domains and two curves or more, every curve and the range
// take `values`; otherwise each curve's stored bounds are applied one by one.
// `typed` are the four field texts, which set the labels' decimals.
void applyDomains(GraphView& view, const CurveLimits& values, bool allIdentical,
                  const std::array<std::string, 4>& typed);

// The Tooltips/Window Sizes trackbar (1 to 19) against the calculator's share
// of the window: position = trunc((1 - p) × 20), p = 1 - 0.05 × position.
int proportionTrackbarPosition(double calculatorProportion);
double calculatorProportionAt(int trackbarPosition);

// Curve Look's thickness rule: a thickness of 2 or more draws solid lines
// only, so the style becomes solid too (for every curve, checking the style
// box, when the thickness applies to all). Returns whether the style buttons
// stay usable.
bool setCurveThickness(GraphSettings& working, std::int32_t curve, std::int32_t thickness);

}  // namespace orrery
