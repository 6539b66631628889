#include "expression/expression_limits.h"

#include <string>

namespace orrery {

UserMessage expressionTooLongMessage() {
    return UserMessage{"INPUT ERROR",
                       "This expression is too long: a curve can hold at most " +
                           std::to_string(kMaxExpressionTokens) + " keys.",
                       MessageIcon::Warning, MessageButtons::Ok};
}

std::optional<UserMessage> checkRoomForToken(std::size_t tokenCount) {
    if (tokenCount < kMaxExpressionTokens) return std::nullopt;
    return expressionTooLongMessage();
}

}  // namespace orrery
