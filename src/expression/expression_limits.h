#pragma once

#include <cstddef>
#include <optional>

#include "common/user_message.h"

namespace orrery {

// The longest expression a curve may hold, in keys. Far beyond anything typed
// by hand or sketched by a fit, and small enough that every evaluator stays
// within a few thousand levels of recursion.
inline constexpr std::size_t kMaxExpressionTokens = 2000;

// The message for an expression that would grow beyond the limit, or nullopt
// when a curve of `tokenCount` keys has room for one more.
std::optional<UserMessage> checkRoomForToken(std::size_t tokenCount);

// The same text, for expressions that arrive whole (documents, the command line).
UserMessage expressionTooLongMessage();

}  // namespace orrery
