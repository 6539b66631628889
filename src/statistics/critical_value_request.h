#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/user_message.h"

namespace orrery {

class NormalDistribution;
class TDistribution;
class FDistribution;
class ChiSquareDistribution;

// What the Calculate button of a critical-value dialog produces: the text
// of the output box, or the message to show instead (output then empty).
struct CriticalValueOutcome {
    std::string output;
    std::optional<UserMessage> message;
};

// The Calculate step of each critical-value dialog: the degrees of freedom
// typed in the dialog go to the window's object through its setters (a
// refused value stops there), then alpha is checked and the value computed.
CriticalValueOutcome calculateNormalCritical(const NormalDistribution& normal, std::string_view alphaText);
CriticalValueOutcome calculateTCritical(TDistribution& t, std::string_view degreesText,
                                        std::string_view alphaText);
CriticalValueOutcome calculateChiSquareCritical(ChiSquareDistribution& chiSquare,
                                                std::string_view degreesText,
                                                std::string_view alphaText);
CriticalValueOutcome calculateFCritical(FDistribution& f, std::string_view d1Text, std::string_view d2Text,
                                        std::string_view alphaText);

}  // namespace orrery
