#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/user_message.h"
#include "graphing/curve.h"

namespace orrery {

// The outcome of "Calculate" in the Function evaluation dialog: the text for
// the Y field, or a message (caption "Input Error") and an empty Y field.
// "%lf" keeps six decimals, so a small value reads 0.000000; preciseText
// holds the same value to 17 significant digits for the field's tooltip.
struct EvaluationOutcome {
    std::string valueText;
    std::optional<UserMessage> error;
    std::string preciseText;
};

// Checks the typed X (digits, at most one ".", "-"; the whole text one
// number), converts degrees to radians, and evaluates the selected curve there.
EvaluationOutcome evaluateRequest(const std::vector<Curve>& curves, std::int32_t selected,
                                  std::string_view xText, bool degrees);

}  // namespace orrery
