// The sketch characters of a fit, typed into the calculator, must give the
// fitted curve back.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "expression/curve_evaluation.h"
#include "expression/typing.h"
#include "fitting/fit_data.h"

namespace orrery {
namespace {

void expectTypedCurveMatches(const FitData& fit, const std::vector<double>& xs) {
    const TypedExpression typed = typeText(fit.sketchCharacters(), {}, true);
    ASSERT_TRUE(typed.messages.empty()) << fit.sketchCharacters() << ": " << typed.messages[0].text;
    for (double x : xs) {
        const CurveValue value = evaluateCurveAt(typed.tokens, 0, x, false);
        ASSERT_TRUE(value.value) << fit.sketchCharacters() << " at " << x;
        const double expected = fit.evaluate(x);
        EXPECT_NEAR(*value.value, expected, 1e-9 * std::max(1.0, std::fabs(expected)))
            << fit.sketchCharacters() << " at " << x;
    }
}

TEST(SketchTyping, FitsTypeBackIntoTheFittedCurve) {
    const std::vector<double> xs = {-3, -1, -0.5, 0, 0.25, 1, 2, 4};
    FitData line, quintic, decay;
    ASSERT_FALSE(line.setData({0, 1, 2, 3}, {1, 0, 1, 4}, 1));
    expectTypedCurveMatches(line, xs);
    ASSERT_FALSE(quintic.setData({-3, -2, -1, 0, 1, 2, 3, 4}, {-7, 3, 1, -2, 0.5, 4, -1, 6}, 5));
    expectTypedCurveMatches(quintic, xs);
    ASSERT_FALSE(decay.setExponentialData({0, 1, 2, 3}, {5, 2.9, 1.8, 1.1}));
    ASSERT_LT(decay.b(), 0.0);
    expectTypedCurveMatches(decay, {-2, 0, 0.5, 3, 10});
}

TEST(SketchTyping, SmallCoefficientsOverLargeXSurviveTyping) {
    // x in the thousands: the cubic coefficient is about 1e-9, which ten
    // decimals alone would cut to two digits.
    std::vector<double> xs, ys;
    for (int i = 0; i < 8; ++i) {
        const double x = 1000.0 + 150.0 * i;
        xs.push_back(x);
        ys.push_back(1.234567e-9 * x * x * x - 3.3e-6 * x * x + 0.5 * x + 7);
    }
    FitData cubic;
    ASSERT_FALSE(cubic.setData(xs, ys, 3));
    expectTypedCurveMatches(cubic, {1000, 1500, 2000});
}

}  // namespace
}  // namespace orrery
