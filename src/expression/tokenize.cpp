#include "expression/tokenize.h"

#include <algorithm>

#include "common/c_numeric.h"
#include "expression/expression_limits.h"

namespace orrery {
namespace {

constexpr double kE = 2.718281828459045;
constexpr double kPi = 3.141592653589793;

// Turns the collected digits into a number item; the message when they are malformed.
std::optional<UserMessage> flushNumber(std::string& buffer, const ExpressionContext& context,
                                       ParseItemList& out) {
    if (buffer.empty()) return std::nullopt;
    const auto points = std::count(buffer.begin(), buffer.end(), '.');
    if (points >= 2)
        return syntaxError(context, "You have entered a number with too many decimal points.");
    if (buffer == ".") return syntaxError(context, "You have entered a number with no digits.");
    out.push_back(numberItem(parseDoubleC(buffer)));
    buffer.clear();
    return std::nullopt;
}

// sin, y^x, -, 1 (the key sequence of sin⁻¹) becomes arcsin; likewise cos and tan.
void applyInverseShorthand(ParseItemList& items) {
    ParseItemList out;
    out.reserve(items.size());
    std::size_t i = 0;
    while (i < items.size()) {
        const ParseItem& item = items[i];
        const bool trig = item.kind == kFunctionKind &&
                          (item.label == "sin" || item.label == "cos" || item.label == "tan");
        if (trig && i + 3 < items.size() && items[i + 1].kind == kOperatorKind &&
            items[i + 1].label == "y^x" && items[i + 2].kind == kOperatorKind &&
            items[i + 2].label == "-" && items[i + 3].isNumber() && items[i + 3].value == 1.0) {
            out.push_back(symbolItem("arc" + item.label, kFunctionKind));
            i += 4;
            continue;
        }
        out.push_back(item);
        ++i;
    }
    items = std::move(out);
}

}  // namespace

UserMessage syntaxError(const ExpressionContext& context, std::string text) {
    return UserMessage{"SYNTAX ERROR: Curve# " + std::to_string(context.curveIndex + 1),
                       std::move(text), MessageIcon::Error, MessageButtons::Ok};
}

std::optional<UserMessage> tokenize(const std::vector<ExpressionToken>& tokens,
                                    const ExpressionContext& context, ParseItemList& out) {
    out.clear();
    if (tokens.size() > kMaxExpressionTokens)
        return syntaxError(context, expressionTooLongMessage().text);
    std::string buffer;
    for (const ExpressionToken& token : tokens) {
        const bool literalPart =
            token.keyClass == KeyClass::Number && token.label != "e" && token.label != "PI";
        if (literalPart) {
            buffer += token.label;
            continue;
        }
        if (auto error = flushNumber(buffer, context, out)) return error;
        // Control keys act on the calculator; one can only arrive here from a damaged file.
        if (token.keyClass == KeyClass::Control)
            return syntaxError(context, "The key \"" + token.label +
                                            "\" cannot be part of an expression.");
        if (token.label == "e")
            out.push_back(numberItem(kE));
        else if (token.label == "PI")
            out.push_back(numberItem(kPi));
        else
            out.push_back(symbolItem(token.label, static_cast<std::int32_t>(token.keyClass)));
    }
    if (auto error = flushNumber(buffer, context, out)) return error;
    applyInverseShorthand(out);
    return std::nullopt;
}

}  // namespace orrery
