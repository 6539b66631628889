#include "expression/normalise.h"

#include <algorithm>
#include <optional>

namespace orrery {
namespace {

bool isFunction(const ParseItem& item) { return item.kind == kFunctionKind; }
bool isOperator(const ParseItem& item) { return item.kind == kOperatorKind; }
bool isSign(const ParseItem& item) { return item.is("+") || item.is("-"); }

// Items that end an operand: a product may follow them.
bool endsOperand(const ParseItem& item) {
    return item.isNumber() || item.is(")") || item.is("x") || item.is("square") ||
           item.is("cube");
}

bool isRelaxedFunction(const ParseItem& item) {
    static constexpr const char* kRelaxed[] = {"arccos", "arcsin", "arctan", "cos", "cosh",
                                               "ln",     "log",    "sin",    "sinh", "tan"};
    return isFunction(item) &&
           std::any_of(std::begin(kRelaxed), std::end(kRelaxed),
                       [&](const char* label) { return item.label == label; });
}

ParseItem openBracket() { return symbolItem("(", kBracketKind); }
ParseItem closeBracket() { return symbolItem(")", kBracketKind); }

// Index of the "(" matching the ")" at `close`, or nullopt.
std::optional<std::size_t> matchingOpen(const ParseItemList& items, std::size_t close) {
    int depth = 0;
    for (std::size_t i = close + 1; i-- > 0;) {
        if (items[i].is(")")) ++depth;
        if (items[i].is("(") && --depth == 0) return i;
    }
    return std::nullopt;
}

// Index of the ")" matching the "(" at `open`, or nullopt.
std::optional<std::size_t> matchingClose(const ParseItemList& items, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < items.size(); ++i) {
        if (items[i].is("(")) ++depth;
        if (items[i].is(")") && --depth == 0) return i;
    }
    return std::nullopt;
}

// Brackets the operands around the × or ÷ at `op` as the argument of the
// function to its left. False when there is no function or operator to open after.
bool bracketAroundOperator(ParseItemList& items, std::size_t op) {
    // Left: the nearest function (other than x) or operator, skipping whole groups.
    std::optional<std::size_t> opener;
    for (std::size_t i = op; i-- > 0;) {
        if (items[i].is(")")) {
            std::optional<std::size_t> open = matchingOpen(items, i);
            if (!open) return false;
            i = *open;
            continue;
        }
        if (items[i].is("(")) return false;  // the argument never reaches out of its group
        if ((isFunction(items[i]) && !items[i].is("x")) || isOperator(items[i])) {
            opener = i;
            break;
        }
    }
    if (!opener) return false;
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(*opener + 1), openBracket());
    ++op;

    // Right: close before the first function or operator at depth 0, or before
    // the ")" of an enclosing group; a final x is taken into the argument.
    std::size_t i = op + 1;
    if (i < items.size() && items[i].is("(")) {
        std::optional<std::size_t> close = matchingClose(items, i);
        if (!close) return true;  // cannot happen after the bracket check
        i = *close + 1;
    }
    for (int depth = 0; i < items.size(); ++i) {
        const ParseItem& item = items[i];
        if (item.is("(")) {
            ++depth;
        } else if (item.is(")")) {
            if (depth == 0) break;
            --depth;
        } else if (depth == 0 && (isFunction(item) || isOperator(item))) {
            if (i + 1 == items.size()) i = items.size();
            break;
        }
    }
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(std::min(i, items.size())),
                 closeBracket());
    return true;
}

// Where the bracket opened for the sign at `sign` closes.
std::size_t signScopeEnd(const ParseItemList& items, std::size_t sign) {
    int depth = 0;
    for (std::size_t j = sign + 1; j < items.size(); ++j) {
        const ParseItem& item = items[j];
        if (item.is("(")) {
            ++depth;
        } else if (item.is(")")) {
            if (depth == 0) return j;
            --depth;
        } else if (depth == 0 && isSign(item) && endsOperand(items[j - 1])) {
            return j;
        }
    }
    return items.size();
}

}  // namespace

void insertImplicitMultiplication(ParseItemList& items) {
    if (items.size() < 2) return;
    ParseItemList out;
    out.reserve(items.size() * 2);
    for (std::size_t i = 0; i < items.size(); ++i) {
        out.push_back(items[i]);
        if (i + 1 == items.size()) break;
        const ParseItem& next = items[i + 1];
        if (endsOperand(items[i]) && (next.isNumber() || next.is("(") || isFunction(next)))
            out.push_back(symbolItem("multiplication", kOperatorKind));
    }
    items = std::move(out);
}

void bracketRelaxedArguments(ParseItemList& items, std::size_t start) {
    std::size_t i = start;
    while (i + 3 < items.size()) {
        const ParseItem& op = items[i + 2];
        const ParseItem& operand = items[i + 3];
        const bool productOrQuotient = op.is("multiplication") || op.is("division");
        const bool simpleOperand = operand.isNumber() || operand.is("x") || operand.is("(");
        if (isRelaxedFunction(items[i]) && productOrQuotient && simpleOperand) {
            bracketAroundOperator(items, i + 2);
            i += 4;
        } else {
            ++i;
        }
    }
}

void bracketUnarySigns(ParseItemList& items) {
    std::size_t i = 0;
    while (i + 1 < items.size()) {
        const ParseItem& item = items[i];
        const bool takesOperand = (isFunction(item) && !item.is("x")) ||
                                  (isOperator(item) && !item.is("square") && !item.is("cube"));
        if (!takesOperand || !isSign(items[i + 1])) {
            ++i;
            continue;
        }
        const std::size_t end = signScopeEnd(items, i + 1);
        items.insert(items.begin() + static_cast<std::ptrdiff_t>(end), closeBracket());
        items.insert(items.begin() + static_cast<std::ptrdiff_t>(i + 1), openBracket());
        i += 2;  // the sign itself may be followed by a sign-taking item
    }
}

void normalise(ParseItemList& items) {
    insertImplicitMultiplication(items);
    bracketRelaxedArguments(items, 0);
    bracketUnarySigns(items);
}

}  // namespace orrery
