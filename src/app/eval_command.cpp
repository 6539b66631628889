#include "app/eval_command.h"

#include <optional>
#include <ostream>
#include <sstream>

#include "common/c_numeric.h"
#include "expression/curve_evaluation.h"
#include "expression/input_reading.h"
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

int evalCommand(const std::string& text, std::ostream& out, std::ostream& err, bool explain) {
    // Like a compiler, the first message ends the run and nothing is printed.
    std::optional<UserMessage> first;
    std::ostringstream shown;
    auto sketch = [&](const std::vector<ExpressionToken>& tokens) {
        if (first) return;
        if (tokens.empty()) {  // nothing to draw: the display keeps its empty text
            shown << '\n';
            return;
        }
        if (explain) {
            InputReading reading = readInput(tokens, ExpressionContext{});
            if (reading.message)
                first = *reading.message;
            else
                shown << reading.text << '\n';
            return;
        }
        PreparedExpression prepared = prepareExpression(tokens, ExpressionContext{});
        if (!prepared.program) {
            first = *prepared.message;
            return;
        }
        shown << valueDisplayText(*prepared.program) << '\n';
    };
    const TypedExpression typed = typeText(text + "\r", sketch, false, true);
    // Typing stops at its first message, so a sketch's message came before it.
    if (!first && !typed.messages.empty()) first = typed.messages.front();
    if (first) {
        report(*first, err);
        return 1;
    }
    out << shown.str();
    return 0;
}

int evaluateAtCommand(const std::string& text, double x, bool degrees, std::ostream& out,
                      std::ostream& err) {
    const TypedExpression typed = typeText(text, {}, true, true);
    if (!typed.messages.empty()) {
        report(typed.messages.front(), err);
        return 1;
    }
    const double radians = degrees ? degreesToRadians(x) : x;
    CurveValue result = evaluateCurveAt(typed.tokens, 0, radians, degrees);
    if (result.message) {
        report(*result.message, err);
        return 1;
    }
    out << formatC("%.17g", *result.value) << '\n';
    return 0;
}

}  // namespace orrery
