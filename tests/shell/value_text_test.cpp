#include "shell/value_text.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace orrery {
namespace {

// The constant's own formatting is checked through the value display and --eval.
TEST(ValueTextTest, DigitsFollowTheWidthWithinEightToSeventeen) {
    const struct {
        int width, charWidth, digits;
    } cases[] = {{130, 10, 8}, {149, 10, 9}, {220, 10, 17}, {2000, 10, 17}, {-5, 10, 8}, {500, 0, 8}};
    for (const auto& c : cases) EXPECT_EQ(valueDigits(c.width, c.charWidth), c.digits) << c.width;
}

TEST(ValueTextTest, VaryingAndUndefinedCurvesHaveNoResult) {
    Curve curve;
    curve.valueState = ValueState::Varies;
    EXPECT_EQ(valueText(curve, 12), (ValueText{"", false}));
    curve.valueState = ValueState::Undefined;
    curve.value = DBL_MAX;
    EXPECT_EQ(valueText(curve, 12), (ValueText{"Out of Bounds", false}));
}

}  // namespace
}  // namespace orrery
