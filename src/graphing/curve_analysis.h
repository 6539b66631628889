#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "common/user_message.h"
#include "expression/compiled_expression.h"

namespace orrery {

// A curve as the analysis reads it: a whole grid at once (for bracketing) and
// single points (for the solvers). Undefined values are the no-value markers.
struct AnalysedFunction {
    std::function<void(std::span<const double> xs, std::span<double> out)> batch;
    std::function<double(double)> at;
};

AnalysedFunction analysedCurve(const CompiledExpression& program);
// f − g, undefined wherever either curve is: its zeros are the intersections.
AnalysedFunction analysedDifference(const CompiledExpression& f, const CompiledExpression& g);

struct AnalysisPoint {
    double x = 0.0;
    double y = 0.0;
};

enum class ExtremumKind { Minimum, Maximum, End };

struct Extremum {
    double x = 0.0;
    double y = 0.0;
    ExtremumKind kind = ExtremumKind::Minimum;
};

// The least number of grid intervals searched, however few points the curve
// is drawn with: zeros closer together than one interval can hide.
inline constexpr std::int32_t kAnalysisMinimumGrid = 4096;

// Every zero of f on [xMin, xMax] (increasing x). Sign changes are solved to
// the double with the smallest |f|; those across a pole or a jump are not
// zeros. Zeros where the curve only touches the axis come from its extrema.
std::vector<AnalysisPoint> findZeros(const AnalysedFunction& f, double xMin, double xMax,
                                     std::int32_t gridPoints = kAnalysisMinimumGrid);

// Every local minimum and maximum inside (xMin, xMax), then the defined end
// values, in increasing x.
std::vector<Extremum> findExtrema(const AnalysedFunction& f, double xMin, double xMax,
                                  std::int32_t gridPoints = kAnalysisMinimumGrid);

// The points where two curves meet: zeros of their difference, with y on f.
std::vector<AnalysisPoint> findIntersections(const CompiledExpression& f,
                                             const CompiledExpression& g, double xMin,
                                             double xMax,
                                             std::int32_t gridPoints = kAnalysisMinimumGrid);

}  // namespace orrery

namespace orrery {

// The message for an interval the analysis cannot search (reversed, empty or
// not finite); none for a usable one.
std::optional<UserMessage> analysisIntervalProblem(double xMin, double xMax);

}  // namespace orrery
