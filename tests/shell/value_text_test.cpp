#include "shell/value_text.h"

#include <gtest/gtest.h>

#include <cfloat>

#include "expression/number_format.h"
#include "graphing/curve_plot.h"
#include "graphing/graph_settings.h"
#include "graphing/graph_view.h"
#include "shell/calculator_input.h"

namespace orrery {
namespace {

TEST(ValueTextTest, DigitsFollowTheWidthWithinEightToSeventeen) {
    EXPECT_EQ(valueDigits(130, 10), 8);  // 13 − 5
    EXPECT_EQ(valueDigits(139, 10), 8);
    EXPECT_EQ(valueDigits(149, 10), 9);
    EXPECT_EQ(valueDigits(220, 10), 17);
    EXPECT_EQ(valueDigits(2000, 10), 17);
    EXPECT_EQ(valueDigits(20, 10), 8);
    EXPECT_EQ(valueDigits(-5, 10), 8);
    EXPECT_EQ(valueDigits(500, 0), 8);  // no font measured yet
}

// "2^10" typed and sketched: a constant, shown as the display formats it.
TEST(ValueTextTest, AConstantCurveShowsItsFormattedValue) {
    GraphSettings settings;
    GraphView view(settings);
    CalculatorInput input(view);
    for (char32_t c : U"2^10")
        if (c) input.typeCharacter(c, false);
    Curve& curve = view.curves().current();
    plotCurve(curve, settings, 400, 400);
    ASSERT_EQ(curve.valueState, ValueState::Constant);

    EXPECT_EQ(valueText(curve, 17), (ValueText{"1024.000000000000", true}));
    EXPECT_EQ(valueText(curve, 8).text, FormatForDisplay(1024.0, 8, 8));
    EXPECT_EQ(valueText(curve, 8).text, "1024.000");
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
