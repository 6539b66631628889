#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "expression/compiled_expression.h"
#include "expression/key_table.h"
#include "expression/parse_item.h"

namespace orrery {

// x_k = xMin + k·(xMax − xMin)/(N − 1): the one sampling grid of the program,
// shared by drawing, derivatives and integration (it hits x = 0 exactly on
// symmetric ranges).
std::vector<double> sampleGrid(double xMin, double xMax, std::int32_t pointCount);

// A curve's expression checked, normalised and compiled.
struct PreparedExpression {
    std::optional<CompiledExpression> program;  // empty when a message stopped it
    std::optional<UserMessage> message;
};

// tokenize, checkSyntax, the three normalisation passes and compilation.
// Drawing and single-point evaluation go the same way, so the value shown at
// a point is the value on the drawn curve.
PreparedExpression prepareExpression(const std::vector<ExpressionToken>& tokens,
                                     const ExpressionContext& context);

// The normalised item list alone (what both evaluators read), or the message.
std::optional<UserMessage> normalisedItems(const std::vector<ExpressionToken>& tokens,
                                           const ExpressionContext& context, ParseItemList& out);

struct SampleResult {
    bool ok = true;
    std::vector<double> values;
    std::optional<UserMessage> message;
};

// The curve's values at context.pointCount points of the grid over
// [context.xMin, context.xMax].
SampleResult sampleCurve(const ExpressionContext& context, const ParseItemList& items);
std::vector<double> sampleCurve(const ExpressionContext& context,
                                const CompiledExpression& program);

enum class SampleClass : std::int32_t { Varies = 0, Constant = 1, Undefined = 2 };

struct Classification {
    SampleClass sampleClass = SampleClass::Undefined;
    double constantValue = 0.0;  // the first defined sample, for a constant
};

Classification classifySamples(std::span<const double> values);

// The result of evaluating a curve at one x.
struct CurveValue {
    std::optional<double> value;
    std::optional<UserMessage> message;
};

// x in radians: x·π/180 as the evaluation dialog computes it.
double degreesToRadians(double degrees);

// Degrees make sense when the expression has no function key at all, or a
// trigonometric or hyperbolic one.
bool degreesAllowed(const std::vector<ExpressionToken>& tokens);

// The "Function evaluation" of a curve at x (already in radians when degrees is set).
CurveValue evaluateCurveAt(const std::vector<ExpressionToken>& tokens, std::int32_t curveIndex,
                           double x, bool degrees);

}  // namespace orrery
