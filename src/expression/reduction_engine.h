#pragma once

#include <optional>

#include "expression/parse_item.h"

namespace orrery {

struct Evaluation {
    bool ok = true;
    double value = 0.0;
    std::optional<UserMessage> message;  // "Mismatched brackets"
};

// The reference evaluator: reduces a fresh copy of a normalised item list for
// one x, bracket groups first, then splits at the weakest rightmost operator,
// then applies what is left as a chain of prefix functions, right to left.
// Slow by design (it rebuilds lists at every step); the program samples and
// evaluates through CompiledExpression, which must agree with it bit for bit.
Evaluation evaluate(const ExpressionContext& context, const ParseItemList& items, double x);

}  // namespace orrery
