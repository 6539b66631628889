#pragma once

#include <optional>
#include <string>

#include "common/user_message.h"

namespace orrery {

// Chi-square and t accept 1..280 degrees of freedom; they differ only in the
// text shown above the range.
inline constexpr int kMaxDegreesOfFreedom = 280;

inline std::optional<UserMessage> checkDegreesOfFreedom(int n, const std::string& tooLargeText) {
    if (n < 1) return UserMessage{"INPUT ERROR", "The degrees of freedom must be >= 1"};
    if (n > kMaxDegreesOfFreedom) return UserMessage{"OUT OF BOUNDS", tooLargeText};
    return std::nullopt;
}

}  // namespace orrery
