#pragma once

#include <optional>

#include "expression/parse_item.h"

namespace orrery {

// Checks a tokenized expression against the syntax rules. Every problem
// found is listed, in rule order, in one message; nullopt when it passes.
std::optional<UserMessage> checkSyntax(const ExpressionContext& context,
                                       const ParseItemList& items);

}  // namespace orrery
