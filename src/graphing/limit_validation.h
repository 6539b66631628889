#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "common/user_message.h"
#include "graphing/curve_limits.h"
#include "graphing/graph_settings.h"

namespace orrery {

// What the Domains/Range dialog does with four typed limits.
struct LimitValidation {
    bool ok = false;
    CurveLimits limits;  // the four values, when ok
    // Fields to rewrite (xMin, xMax, yMin, yMax) with the previous value, "%lf".
    std::array<std::optional<std::string>, 4> rewrittenFields;
    bool uncheckAllCurves = false;
    std::optional<UserMessage> message;
};

// Reads the four fields (as "%lf", at most 31 characters each, as the boxes
// hold) against curve i's stored limits. A field that does not read is put
// back and named in an "Improper Limits" message; an empty interval puts the
// previous bounds back into the settings and the fields.
LimitValidation validateLimits(GraphSettings& settings, std::int32_t i, bool all,
                               const std::array<std::string, 4>& fields);

}  // namespace orrery
