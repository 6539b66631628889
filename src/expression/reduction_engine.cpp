#include "expression/reduction_engine.h"

#include "expression/arithmetic.h"
#include "expression/reduction_rules.h"

namespace orrery {
namespace {

class Reducer {
public:
    Reducer(const ExpressionContext& context, double x) : context_(context), x_(x) {}

    Evaluation run(ParseItemList items) {
        if (!reduceGroups(items)) return mismatched();
        if (bracketPowersAfterFunctions(items) && !reduceGroups(items)) return mismatched();
        for (int level = 0; level < kOperatorLevels; ++level) {
            std::optional<std::size_t> at = rightmostOfLevel(items, level);
            if (at) return split(items, *at, level);
        }
        return Evaluation{true, prefixChain(items), std::nullopt};
    }

private:
    Evaluation mismatched() const {
        return Evaluation{false, 0.0, syntaxError(context_, "Mismatched brackets")};
    }

    // Replaces every top-level bracket group by the number it evaluates to.
    [[gnu::noinline]] bool reduceGroups(ParseItemList& items) {
        std::size_t opens = 0;
        std::size_t closes = 0;
        for (const ParseItem& item : items) {
            opens += item.is("(");
            closes += item.is(")");
        }
        if (opens != closes) return false;
        if (opens == 0) return true;
        ParseItemList out;
        ParseItemList inner;
        int depth = 0;
        for (const ParseItem& item : items) {
            if (item.is("(")) {
                if (depth++ > 0) inner.push_back(item);
            } else if (item.is(")")) {
                if (depth == 0) return false;
                if (--depth > 0) {
                    inner.push_back(item);
                    continue;
                }
                Evaluation group = Reducer(context_, x_).run(std::move(inner));
                if (!group.ok) return false;
                out.push_back(numberItem(group.value));
                inner = ParseItemList();
            } else {
                (depth > 0 ? inner : out).push_back(item);
            }
        }
        items = std::move(out);
        return true;
    }

    // A function followed by x or a number and a square or cube squares the
    // argument: sin x² is sin(x²).
    [[gnu::noinline]] static bool bracketPowersAfterFunctions(ParseItemList& items) {
        return orrery::bracketPowersAfterFunctions(
            items, [](const ParseItem& item) -> const ParseItem& { return item; },
            [](char bracket) { return symbolItem(std::string(1, bracket), kBracketKind); });
    }

    static std::optional<std::size_t> rightmostOfLevel(const ParseItemList& items, int level) {
        for (std::size_t i = items.size(); i-- > 0;)
            if (operatorLevel(items[i]) == level) return i;
        return std::nullopt;
    }

    [[gnu::noinline]] Evaluation split(const ParseItemList& items, std::size_t at, int level) {
        const auto middle = items.begin() + static_cast<std::ptrdiff_t>(at);
        ParseItemList left(items.begin(), middle);
        double leftValue = 0.0;  // a leading sign negates, or leaves alone
        if (!left.empty()) {
            Evaluation l = Reducer(context_, x_).run(std::move(left));
            if (!l.ok) return l;
            leftValue = l.value;
        }
        const std::string& label = items[at].label;
        double rightValue = 0.0;
        if (level == 3) {
            rightValue = fixedExponent(items[at]);
        } else {
            Evaluation r = Reducer(context_, x_).run(ParseItemList(middle + 1, items.end()));
            if (!r.ok) return r;
            rightValue = r.value;
        }
        return Evaluation{true, applyOperator(*operationForLabel(label), leftValue, rightValue),
                          std::nullopt};
    }

    // What is left: numbers and functions, applied from right to left to x.
    [[gnu::noinline]] double prefixChain(const ParseItemList& items) const {
        double result = x_;
        for (std::size_t i = items.size(); i-- > 0;) {
            if (result > kUndefinedHigh) return kUndefinedHigh;
            const ParseItem& item = items[i];
            if (item.isNumber())
                result = item.value;
            else if (item.kind == kFunctionKind && !item.is("x"))
                result = applyFunction(*functionForLabel(item.label), result);
        }
        return result;
    }

    const ExpressionContext& context_;
    double x_;
};

}  // namespace

Evaluation evaluate(const ExpressionContext& context, const ParseItemList& items, double x) {
    return Reducer(context, x).run(items);
}

}  // namespace orrery
