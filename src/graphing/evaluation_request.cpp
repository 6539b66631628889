#include "graphing/evaluation_request.h"

#include <algorithm>

#include "common/c_numeric.h"
#include "expression/curve_evaluation.h"

namespace orrery {

namespace {

EvaluationOutcome inputError(std::string text) {
    return EvaluationOutcome{
        {}, UserMessage{"Input Error", std::move(text), MessageIcon::Warning, MessageButtons::Ok}, {}};
}

bool onlyNumberCharacters(std::string_view text) {
    const bool allowed = std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == '.' || c == '-';
    });
    // The message promises at most one decimal point; "1.2.3" would
    // otherwise quietly read as 1.2.
    return allowed && std::count(text.begin(), text.end(), '.') <= 1;
}

}  // namespace

EvaluationOutcome evaluateRequest(const std::vector<Curve>& curves, std::int32_t selected,
                                  std::string_view xText, bool degrees) {
    if (xText.empty()) return inputError("Please enter an X-value");
    if (!onlyNumberCharacters(xText))
        return inputError(
            "Please enter only digits, no spaces and no more than one decimal point.");
    // A minus inside the text ("5-3") would leave part of it unread: that is
    // no X-value either, rather than a silent 5.
    std::size_t consumed = 0;
    double x = parseDoubleC(xText, &consumed);
    if (consumed == 0 || consumed != xText.size()) return inputError("Unable to parse X-value");
    if (degrees) x = degreesToRadians(x);
    if (selected < 0 || static_cast<std::size_t>(selected) >= curves.size())
        return inputError("No such curve");

    const Curve& curve = curves[static_cast<std::size_t>(selected)];
    const CurveValue result = evaluateCurveAt(curve.tokens, selected, x, degrees);
    if (!result.value) return inputError(result.message ? result.message->text : std::string());
    return EvaluationOutcome{formatC("%lf", *result.value), std::nullopt,
                             formatC("%.17g", *result.value)};
}

}  // namespace orrery
