#pragma once

#include <optional>
#include <vector>

#include "expression/key_table.h"
#include "expression/parse_item.h"

namespace orrery {

// Merges digit keys into numbers and keeps every other token as a symbol,
// then applies the inverse shorthand (sin ^ -1 means arcsin). Returns the
// syntax message when a number is malformed or the expression is too long.
std::optional<UserMessage> tokenize(const std::vector<ExpressionToken>& tokens,
                                    const ExpressionContext& context, ParseItemList& out);

}  // namespace orrery
