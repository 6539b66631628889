#include "expression/expression_graph.h"

#include "expression/reduction_rules.h"

namespace orrery {
namespace {

using Kind = ExprNode::Kind;

// An item of the list being reduced; numbers carry the node of their value.
struct Element {
    const ParseItem* item;
    int node = -1;
    bool isNumber() const { return node >= 0; }
};
using Elements = std::vector<Element>;

class GraphBuilder {
public:
    GraphBuilder(bool assumeFiniteX, bool foldConstants)
        : assumeFiniteX_(assumeFiniteX), fold_(foldConstants) {
        x_ = add(ExprNode{Kind::X});
    }

    std::optional<int> build(const ParseItemList& items) {
        Elements elements;
        elements.reserve(items.size());
        for (const ParseItem& item : items)
            elements.push_back(Element{&item, item.isNumber() ? constant(item.value) : -1});
        return reduce(std::move(elements));
    }

    std::vector<ExprNode> takeNodes() { return std::move(nodes_); }

private:
    // Mirrors one run of the reference engine on a list.
    std::optional<int> reduce(Elements elements) {
        if (!reduceGroups(elements)) return std::nullopt;
        if (bracketPowersAfterFunctions(elements) && !reduceGroups(elements)) return std::nullopt;
        for (int level = 0; level < kOperatorLevels; ++level) {
            for (std::size_t i = elements.size(); i-- > 0;) {
                if (elements[i].isNumber() || operatorLevel(*elements[i].item) != level) continue;
                return split(elements, i, level);
            }
        }
        return chain(elements);
    }

    [[gnu::noinline]] bool reduceGroups(Elements& elements) {
        std::size_t opens = 0;
        std::size_t closes = 0;
        for (const Element& e : elements) {
            opens += !e.isNumber() && e.item->is("(");
            closes += !e.isNumber() && e.item->is(")");
        }
        if (opens != closes) return false;
        if (opens == 0) return true;
        Elements out;
        std::size_t groupStart = 0;
        int depth = 0;
        for (std::size_t i = 0; i < elements.size(); ++i) {
            const Element& e = elements[i];
            const bool open = !e.isNumber() && e.item->is("(");
            const bool close = !e.isNumber() && e.item->is(")");
            if (open && depth++ == 0) groupStart = i + 1;
            if (close) {
                if (depth == 0) return false;
                if (--depth == 0) {
                    Elements inner(elements.begin() + static_cast<std::ptrdiff_t>(groupStart),
                                   elements.begin() + static_cast<std::ptrdiff_t>(i));
                    std::optional<int> value = reduce(std::move(inner));
                    if (!value) return false;
                    out.push_back(Element{e.item, *value});
                    continue;
                }
            }
            if (depth == 0 && !open) out.push_back(e);
        }
        elements = std::move(out);
        return true;
    }

    // Kept out of reduce() so that its frame, which recursion repeats, stays small.
    [[gnu::noinline]] bool bracketPowersAfterFunctions(Elements& elements) {
        static const ParseItem open = symbolItem("(", kBracketKind);
        static const ParseItem close = symbolItem(")", kBracketKind);
        static const ParseItem number = numberItem(0.0);
        return orrery::bracketPowersAfterFunctions(
            elements,
            [](const Element& e) -> const ParseItem& { return e.isNumber() ? number : *e.item; },
            [](char bracket) { return Element{bracket == '(' ? &open : &close}; });
    }

    [[gnu::noinline]] std::optional<int> split(const Elements& elements, std::size_t at,
                                               int level) {
        const auto middle = elements.begin() + static_cast<std::ptrdiff_t>(at);
        int left = -1;
        if (at == 0) {
            left = constant(0.0);
            nodes_[static_cast<std::size_t>(left)].implied = true;
        } else {
            std::optional<int> l = reduce(Elements(elements.begin(), middle));
            if (!l) return std::nullopt;
            left = *l;
        }
        const ParseItem& op = *elements[at].item;
        int right;
        if (level == 3) {
            right = constant(fixedExponent(op));
        } else {
            std::optional<int> r = reduce(Elements(middle + 1, elements.end()));
            if (!r) return std::nullopt;
            right = *r;
        }
        return operation(*operationForLabel(op.label), left, right);
    }

    // The prefix chain. The reference walk stops with the high marker when the
    // value reaching an item is +infinity; that is the plain walk's value unless
    // one of those tests fires. A test before a function can be left out when
    // no number further left could overwrite what the function makes of infinity.
    [[gnu::noinline]] int chain(const Elements& elements) {
        int value = x_;
        int fired = constant(0.0);
        std::size_t firstNumber = elements.size();
        for (std::size_t i = elements.size(); i-- > 0;)
            if (elements[i].isNumber()) firstNumber = i;
        for (std::size_t i = elements.size(); i-- > 0;) {
            const Element& e = elements[i];
            const bool function = !e.isNumber() && e.item->kind == kFunctionKind &&
                                  !e.item->is("x");
            const bool numberFurtherLeft = firstNumber < i;
            if (!function || numberFurtherLeft) fired = anyOf(fired, posInf(value));
            if (e.isNumber())
                value = e.node;
            else if (function)
                value = func(*functionForLabel(e.item->label), value);
        }
        return highIf(fired, value);
    }

    // Node constructors, folding what does not depend on x.
    int add(ExprNode node) {
        nodes_.push_back(node);
        return static_cast<int>(nodes_.size()) - 1;
    }
    bool isConst(int n) const { return nodes_[static_cast<std::size_t>(n)].kind == Kind::Const; }
    double valueOf(int n) const { return nodes_[static_cast<std::size_t>(n)].value; }

    int constant(double v) { return add(ExprNode{Kind::Const, {}, {}, v}); }

    int operation(Operation op, int a, int b) {
        if (fold_ && isConst(a) && isConst(b)) return constant(applyOperator(op, valueOf(a), valueOf(b)));
        return add(ExprNode{Kind::Op, op, {}, 0.0, a, b});
    }
    int func(FunctionKind f, int a) {
        if (fold_ && isConst(a)) return constant(applyFunction(f, valueOf(a)));
        return add(ExprNode{Kind::Func, {}, f, 0.0, a});
    }
    int posInf(int a) {
        if (isConst(a)) return constant(valueOf(a) > kUndefinedHigh ? 1.0 : 0.0);
        if (!mayBePosInf(a)) return constant(0.0);
        return add(ExprNode{Kind::PosInf, {}, {}, 0.0, a});
    }
    int anyOf(int a, int b) {
        if (isConst(a)) return valueOf(a) != 0.0 ? a : b;
        if (isConst(b)) return valueOf(b) != 0.0 ? b : a;
        return add(ExprNode{Kind::AnyOf, {}, {}, 0.0, a, b});
    }
    int highIf(int condition, int value) {
        if (isConst(condition))
            return valueOf(condition) != 0.0 ? constant(kUndefinedHigh) : value;
        return add(ExprNode{Kind::HighIf, {}, {}, 0.0, condition, value});
    }

    // Whether a node's value can be +infinity for some x.
    bool mayBePosInf(int n) const {
        const ExprNode& node = nodes_[static_cast<std::size_t>(n)];
        switch (node.kind) {
            case Kind::Const: return node.value > kUndefinedHigh;
            case Kind::X: return !assumeFiniteX_;
            case Kind::Op: return true;  // sums, products and powers can overflow
            case Kind::Func:
                // Out-of-domain values become markers; only the exponentials
                // come near the top of the range.
                return node.fn == FunctionKind::ExpPower || node.fn == FunctionKind::TenPower ||
                       node.fn == FunctionKind::Sinh || node.fn == FunctionKind::Cosh;
            case Kind::PosInf:
            case Kind::AnyOf: return false;
            case Kind::HighIf: return mayBePosInf(node.b);
        }
        return true;
    }

    bool assumeFiniteX_;
    bool fold_;
    int x_ = -1;
    std::vector<ExprNode> nodes_;
};

}  // namespace

std::optional<ExpressionGraph> buildExpressionGraph(const ParseItemList& items,
                                                    bool assumeFiniteX, bool foldConstants) {
    GraphBuilder builder(assumeFiniteX, foldConstants);
    std::optional<int> root = builder.build(items);
    if (!root) return std::nullopt;
    return ExpressionGraph{builder.takeNodes(), *root};
}

}  // namespace orrery
