#pragma once

#include <optional>
#include <string>

#include "common/user_message.h"

namespace orrery {

// The input box of the Conversions dialog takes at most this many characters.
constexpr int kConversionInputLimit = 14;

// What "Convert --->" works on: the measurement type (the selected one, or the
// remembered one when none is selected), the chosen units by their index in the
// sorted lists, and the input text.
struct ConversionRequest {
    int type = 0;
    std::optional<int> fromUnit;
    std::optional<int> toUnit;
    std::string input;
};

struct ConversionOutcome {
    std::optional<UserMessage> problem;  // when set the result box stays as it was
    std::string result;
};

ConversionOutcome runConversion(const ConversionRequest& request);

}  // namespace orrery
