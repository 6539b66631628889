#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expression/typing.h"
#include "graphing/curve.h"

namespace orrery::testing {

// The keys of an expression typed on the keyboard, pending letters resolved.
inline std::vector<ExpressionToken> typed(const std::string& text) {
    TypedExpression t = typeText(text, {}, true);
    EXPECT_TRUE(t.messages.empty()) << text;
    return t.tokens;
}

inline Curve curveOf(const std::string& text, CurveLimits limits = {}) {
    Curve curve;
    curve.tokens = typed(text);
    curve.limits = limits;
    return curve;
}

}  // namespace orrery::testing
