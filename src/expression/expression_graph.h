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
    bool implied = false;  // the 0 standing for the missing left operand of a leading sign
};

struct ExpressionGraph {
    std::vector<ExprNode> nodes;
    int root = -1;
};

// nullopt when the brackets do not pair up. assumeFiniteX lets the tests that
// only an infinite or NaN x can pass fold away. Without foldConstants every
// number and operation stays a node of its own, so the tree shows how the
// list was read (the reading of the input is printed from it).
std::optional<ExpressionGraph> buildExpressionGraph(const ParseItemList& items,
                                                    bool assumeFiniteX,
                                                    bool foldConstants = true);

}  // namespace orrery
