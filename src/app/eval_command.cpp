#include "app/eval_command.h"

#include <ostream>

#include "common/c_numeric.h"
#include "expression/curve_evaluation.h"
#include "expression/number_format.h"
#include "expression/typing.h"

namespace orrery {
namespace {

constexpr int kDisplayDigits = 17;

void report(const UserMessage& message, std::ostream& err) {
    err << message.caption << ": " << message.text << '\n';
}

// What the value display shows after a Sketch of the curve.
std::string valueDisplayText(const CompiledExpression& program) {
    ExpressionContext context;  // -5 .. 5 with 500 points, as a new graph draws
    const std::vector<double> samples = sampleCurve(context, program);
    const Classification classification = classifySamples(samples);
    switch (classification.sampleClass) {
        case SampleClass::Constant:
            return FormatForDisplay(classification.constantValue, kDisplayDigits, kDisplayDigits);
        case SampleClass::Undefined: return "Out of Bounds";
        case SampleClass::Varies: break;
    }
    return "";
}

}  // namespace

int evalCommand(const std::string& text, std::ostream& out, std::ostream& err) {
    bool failed = false;
    auto sketch = [&](const std::vector<ExpressionToken>& tokens) {
        if (tokens.empty()) {  // nothing to draw: the display keeps its empty text
            out << '\n';
            return;
        }
        PreparedExpression prepared = prepareExpression(tokens, ExpressionContext{});
        if (!prepared.program) {
            report(*prepared.message, err);
            failed = true;
            return;
        }
        out << valueDisplayText(*prepared.program) << '\n';
    };
    TypedExpression typed = typeText(text + "\r", sketch);
    for (const UserMessage& message : typed.messages) report(message, err);
    return failed || !typed.messages.empty() ? 1 : 0;
}

int evaluateAtCommand(const std::string& text, double x, bool degrees, std::ostream& out,
                      std::ostream& err) {
    TypedExpression typed = typeText(text, {}, true);
    for (const UserMessage& message : typed.messages) report(message, err);
    bool failed = !typed.messages.empty();
    const double radians = degrees ? degreesToRadians(x) : x;
    CurveValue result = evaluateCurveAt(typed.tokens, 0, radians, degrees);
    if (result.message) {
        report(*result.message, err);
        return 1;
    }
    out << formatC("%.17g", *result.value) << '\n';
    return failed ? 1 : 0;
}

}  // namespace orrery
