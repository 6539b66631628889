#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "expression/curve_evaluation.h"
#include "graphing/curve.h"
#include "graphing/curve_limits.h"

namespace orrery {

enum class AnalysisSearch { Zeros, Extrema, Intersections };

// One line of the Analysis window's list.
struct AnalysisResult {
    std::string kind;  // "Zero", "Minimum", "Maximum", "End", "Intersection"
    double x = 0.0;
    double y = 0.0;
};

// The search's results in increasing x; `second` is needed for intersections
// only (null gives none).
std::vector<AnalysisResult> analyse(AnalysisSearch search, const CompiledExpression& curve,
                                    const CompiledExpression* second, double xMin, double xMax,
                                    std::int32_t gridPoints);

// "3. Minimum  x = <17 digits>  y = <17 digits>", numbered from 1.
std::string analysisLine(std::size_t number, const AnalysisResult& result);
// Every line, each ended by a newline, for the clipboard.
std::string analysisText(const std::vector<AnalysisResult>& results);

// The interval searched by default: the curve's domain within the graph's
// x range (the part of the curve that can be seen); the domain itself when
// the two do not overlap.
std::pair<double, double> visibleInterval(const CurveLimits& graphRange, const CurveLimits& curveLimits);

struct MarkerPixel {
    double x = 0.0;
    double y = 0.0;
};

// Where a result of a curve is drawn on a graph of width × height pixels: x
// on the graph's range, y on the curve's own vertical scale, as the curve's
// samples are; none outside the frame inside the margins.
std::optional<MarkerPixel> markerPixel(const CurveLimits& graphRange, const CurveLimits& curveLimits,
                                       std::int32_t width, std::int32_t height, double x, double y);

// A curve compiled for the analysis and the table; the message when it has
// no expression or the evaluator refuses it.
PreparedExpression compileCurve(const Curve& curve, std::int32_t index);

}  // namespace orrery
