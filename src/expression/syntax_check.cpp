#include "expression/syntax_check.h"

#include <string>

#include "common/c_numeric.h"

namespace orrery {
namespace {

const std::string kQuote = "\"";

bool isArithmetic(const ParseItem& item) {
    return item.is("+") || item.is("-") || item.is("division") || item.is("multiplication");
}

bool isPower(const ParseItem& item) {
    return item.is("square") || item.is("cube") || item.is("y^x") || item.is("x_root_y");
}

std::string endingMessage(const ParseItem& last) {
    if (isArithmetic(last)) return "The operator: " + last.label + " cannot end an expression.";
    if (last.is("croot")) return "An expression cannot end with a cube root.";
    if (last.is("sqrt")) return "An expression cannot end with a square root.";
    return {};
}

// The rules about what may stand directly before (and after) one symbol.
std::string neighbourMessages(const ParseItemList& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ParseItem& item = items[i];
        if (!item.isSymbol()) continue;
        const ParseItem* previous = i > 0 ? &items[i - 1] : nullptr;
        const bool previousSymbol = previous && previous->isSymbol();
        if (isPower(item)) {
            // A power needs a base: not an operator, not the start, not an opening bracket.
            const bool noBase = !previous || previous->is("(") || isArithmetic(*previous) ||
                                previous->is(".");
            if (noBase)
                text += "The function " + kQuote + item.label + kQuote +
                        " must be immediately preceded by an expression which can be evaluated.\n\n";
            if ((item.is("y^x") || item.is("x_root_y")) && i + 1 == items.size())
                text += "The function " + kQuote + item.label + kQuote +
                        " must be immediately followed by an expression which can be evaluated.\n\n";
        } else if (item.is("division") || item.is("multiplication")) {
            if (!previous || (previousSymbol && !previous->is(")") && !previous->is("x")))
                text += "The " + item.label +
                        " operator must be immediately preceded by the variable " + kQuote + "x" +
                        kQuote + " or a number or a closing bracket.\n\n";
        } else if (item.is("+") || item.is("-")) {
            // A sign may follow × and ÷ (2 × -3); it may not follow + or -.
            if (previousSymbol && (previous->is("+") || previous->is("-")))
                text += std::string("The ") + (item.is("+") ? "addition" : "subtraction") +
                        " operator should not be immediately preceded by another arithmetic "
                        "operator.\n\n";
        }
    }
    return text;
}

std::string itemAsText(const ParseItem& item) {
    return item.isNumber() ? formatC("%.2f", item.value) : item.label;
}

std::string bracketMessages(const ParseItemList& items) {
    long opened = 0;
    long closed = 0;
    long lastOpen = -1;
    long lastClose = -1;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const auto index = static_cast<long>(i);
        if (items[i].is("(")) {
            ++opened;
            lastOpen = index;
        } else if (items[i].is(")")) {
            ++closed;
            lastClose = index;
        }
        if (closed > opened) {
            if (i == 0) return "An expression cannot begin with a right bracket\n\n";
            return "There is an unmatched right bracket after: " + itemAsText(items[i - 1]) +
                   "\n\n";
        }
        if (lastClose >= 0 && lastClose == lastOpen + 1)
            return "There must be an expression which can be evaluated between parentheses.\n\n";
    }
    std::string text;
    const long extra = opened - closed;
    if (extra == 1)
        text = "There is one more left bracket than there are right brackets.\n\n";
    else if (extra >= 2)
        text = "There are " + std::to_string(extra) +
               " more left brackets than right brackets.\n\n";
    if (!items.empty() && items.back().is("("))
        text += "An expression cannot end with a left bracket.\n\n";
    return text;
}

}  // namespace

std::optional<UserMessage> checkSyntax(const ExpressionContext& context,
                                       const ParseItemList& items) {
    std::string text;
    if (!items.empty() && items.back().isSymbol()) text += endingMessage(items.back());
    text += neighbourMessages(items);
    text += bracketMessages(items);
    if (text.empty()) return std::nullopt;
    return syntaxError(context, text);
}

}  // namespace orrery
