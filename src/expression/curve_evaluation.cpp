#include "expression/curve_evaluation.h"

#include <variant>

#include "expression/normalise.h"
#include "expression/syntax_check.h"
#include "expression/tokenize.h"

namespace orrery {

std::vector<double> sampleGrid(double xMin, double xMax, std::int32_t pointCount) {
    if (pointCount < 1) return {};
    std::vector<double> xs(static_cast<std::size_t>(pointCount));
    if (pointCount == 1) {
        xs[0] = xMin;
        return xs;
    }
    const double width = xMax - xMin;
    const double intervals = pointCount - 1;
    for (std::int32_t k = 0; k < pointCount; ++k) xs[static_cast<std::size_t>(k)] = xMin + k * width / intervals;
    return xs;
}

std::optional<UserMessage> normalisedItems(const std::vector<ExpressionToken>& tokens,
                                           const ExpressionContext& context, ParseItemList& out) {
    if (std::optional<UserMessage> error = tokenize(tokens, context, out)) return error;
    if (std::optional<UserMessage> error = checkSyntax(context, out)) return error;
    normalise(out);
    return std::nullopt;
}

PreparedExpression prepareExpression(const std::vector<ExpressionToken>& tokens,
                                     const ExpressionContext& context) {
    ParseItemList items;
    if (std::optional<UserMessage> error = normalisedItems(tokens, context, items))
        return PreparedExpression{std::nullopt, error};
    auto compiled = CompiledExpression::compile(context, items);
    if (auto* message = std::get_if<UserMessage>(&compiled))
        return PreparedExpression{std::nullopt, *message};
    return PreparedExpression{std::get<CompiledExpression>(std::move(compiled)), std::nullopt};
}

std::vector<double> sampleCurve(const ExpressionContext& context,
                                const CompiledExpression& program) {
    const std::vector<double> xs = sampleGrid(context.xMin, context.xMax, context.pointCount);
    std::vector<double> values(xs.size());
    program.evaluate(xs, values);
    return values;
}

SampleResult sampleCurve(const ExpressionContext& context, const ParseItemList& items) {
    auto compiled = CompiledExpression::compile(context, items);
    if (auto* message = std::get_if<UserMessage>(&compiled)) {
        SampleResult failed;
        failed.ok = false;
        failed.message = *message;
        return failed;
    }
    return SampleResult{true, sampleCurve(context, std::get<CompiledExpression>(compiled)),
                        std::nullopt};
}

Classification classifySamples(std::span<const double> values) {
    bool pairFound = false;
    for (std::size_t i = 1; i < values.size(); ++i) {
        if (!pairFound) {
            if (isNoValue(values[i]) || isNoValue(values[i - 1])) continue;
            pairFound = true;
        }
        if (std::fabs(values[i] - values[i - 1]) > 1e-20)
            return Classification{SampleClass::Varies, 0.0};
    }
    if (!pairFound) return Classification{SampleClass::Undefined, 0.0};
    // A constant's value is its first defined sample, not a marker before it.
    for (double v : values)
        if (!isNoValue(v)) return Classification{SampleClass::Constant, v};
    return Classification{SampleClass::Undefined, 0.0};
}

double degreesToRadians(double degrees) {
    return degrees * 3.141592653589793 * 0.005555555555555556;
}

bool degreesAllowed(const std::vector<ExpressionToken>& tokens) {
    bool anyFunction = false;
    for (const ExpressionToken& token : tokens) {
        if (token.keyClass != KeyClass::Function) continue;
        anyFunction = true;
        const std::string& l = token.label;
        if (l == "sin" || l == "cos" || l == "tan" || l == "sinh" || l == "cosh") return true;
    }
    return !anyFunction;
}

CurveValue evaluateCurveAt(const std::vector<ExpressionToken>& tokens, std::int32_t curveIndex,
                           double x, bool degrees) {
    auto inputError = [](const char* text) {
        return CurveValue{std::nullopt,
                          UserMessage{"Input Error", text, MessageIcon::Warning, MessageButtons::Ok}};
    };
    if (tokens.empty()) return inputError("Please enter a function to evaluate before coming here.");
    if (degrees && !degreesAllowed(tokens))
        return inputError(
            "You have chosen to evaluate in degrees, but have no trigonmetric functions. Only "
            "trigonmetric functions can be evaluated with degrees");
    ExpressionContext context;
    context.curveIndex = curveIndex;
    PreparedExpression prepared = prepareExpression(tokens, context);
    if (!prepared.program) return CurveValue{std::nullopt, prepared.message};
    const double value = prepared.program->evaluate(x);
    if (isNoValue(value))
        return inputError("The value you are attempting to calculate is undefined or out of bounds.\n");
    return CurveValue{value, std::nullopt};
}

}  // namespace orrery
