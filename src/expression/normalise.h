#pragma once

#include <cstddef>

#include "expression/parse_item.h"

namespace orrery {

// The relaxed-syntax passes, applied in this order after a successful syntax check.

// 2x is 2·x, 3 sin x is 3·sin x, (x+1)(x-1) has a product between the groups.
void insertImplicitMultiplication(ParseItemList& items);

// sin 3·x (typed "sin3x") becomes sin(3·x). Brackets only when the operand after
// the × or ÷ is a number, x or a bracket group; sin x ÷ cos x stays a quotient.
void bracketRelaxedArguments(ParseItemList& items, std::size_t start = 0);

// A sign after an operator or function gets brackets of its own: 2 × -3 is 2×(-3),
// 2 ^ -x is 2^(-x). The bracket closes before the next + or - that follows an
// operand at the sign's depth, or before the ")" of the group the sign stands in.
void bracketUnarySigns(ParseItemList& items);

// All three passes, in order.
void normalise(ParseItemList& items);

}  // namespace orrery
