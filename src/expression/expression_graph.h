#pragma once

#include <optional>
#include <vector>

#include "expression/arithmetic.h"
#include "expression/parse_item.h"

namespace orrery {

// The value of a normalised expression as a tree of operations on x, found by
// reducing the item list the way the reference engine does, once for all x.
// Parts that do not depend on x are folded into constants with the same
// arithmetic the engines use.
struct ExprNode {
    enum class Kind { Const, X, Op, Func, PosInf, AnyOf, HighIf };
    Kind kind = Kind::Const;
    Operation op = Operation::Add;
    FunctionKind fn = FunctionKind::Identity;
    double value = 0.0;
    int a = -1;  // operand nodes
    int b = -1;
};

struct ExpressionGraph {
    std::vector<ExprNode> nodes;
    int root = -1;
};

// nullopt when the brackets do not pair up. assumeFiniteX lets the tests that
// only an infinite or NaN x can pass fold away.
std::optional<ExpressionGraph> buildExpressionGraph(const ParseItemList& items,
                                                    bool assumeFiniteX);

}  // namespace orrery
