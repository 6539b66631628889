#include "graphing/calculus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "expression/curve_evaluation.h"
#include "expression/markers.h"
#include "typed_curve.h"

namespace orrery {
namespace {

using testing::typed;

std::vector<double> samples(const std::string& text, double xMin, double xMax, int n) {
    ExpressionContext context;
    context.xMin = xMin;
    context.xMax = xMax;
    context.pointCount = n;
    const PreparedExpression prepared = prepareExpression(typed(text), context);
    EXPECT_TRUE(prepared.program) << text;
    return sampleCurve(context, *prepared.program);
}

TEST(Derivative, UndefinedUpToAndIncludingTheFirstDefinedSample) {
    const std::vector<double> y = samples("sqrt(x)", -5, 5, 500);
    ASSERT_TRUE(isNoValue(y[249]));
    ASSERT_FALSE(isNoValue(y[250]));
    const std::vector<double> d = derivativeSamples(y, -5, 5);
    for (std::size_t k = 0; k <= 250; ++k) EXPECT_EQ(d[k], kUndefinedHigh) << k;
    const double h = 10.0 / 499;
    EXPECT_DOUBLE_EQ(d[251], (y[252] - y[250]) / (2 * h));
    EXPECT_DOUBLE_EQ(d[499], (y[499] - y[498]) / h);  // one-sided at the end
    EXPECT_NEAR(d[499], 0.5 / std::sqrt(5.0), 1e-3);
}

TEST(Derivative, EndsAreOneSidedAndGapsSpreadToTheirNeighbours) {
    const double high = kUndefinedHigh;
    const std::vector<double> y = {0, 1, 4, high, 16, 25};  // x = 0..5
    const std::vector<double> d = derivativeSamples(y, 0, 5);
    EXPECT_EQ(d[0], 1.0);
    EXPECT_EQ(d[1], 2.0);
    EXPECT_EQ(d[2], high);  // right neighbour missing
    EXPECT_EQ(d[3], 6.0);   // both neighbours there: (16 - 4) / 2
    EXPECT_EQ(d[4], high);
    EXPECT_EQ(d[5], 9.0);
}

TEST(Derivative, ShortInputsAndOverflow) {
    EXPECT_TRUE(derivativeSamples(std::vector<double>{}, 0, 1).empty());
    EXPECT_EQ(derivativeSamples(std::vector<double>{3}, 0, 1), std::vector<double>{kUndefinedHigh});
    EXPECT_EQ(derivativeSamples(std::vector<double>{1, 3}, 0, 1), (std::vector<double>{2, 2}));
    // A difference that overflows is no value, marked like the others.
    const std::vector<double> huge = {-1e308, 1e308};
    EXPECT_EQ(derivativeSamples(huge, 0, 1), (std::vector<double>{kUndefinedHigh, kUndefinedHigh}));
    const std::vector<double> withNan = {0, std::numeric_limits<double>::quiet_NaN(), 2};
    EXPECT_EQ(derivativeSamples(withNan, 0, 2)[0], kUndefinedHigh);
    EXPECT_EQ(derivativeSamples(withNan, 0, 2)[1], 1.0);
}

TEST(Simpson, ConvergesOnSmoothCurves) {
    std::int32_t n = 101;
    EXPECT_NEAR(*simpson(typed("sinx"), 0, 0, 3.141592653589793, n), 2.0, 1e-7);
    n = 501;
    EXPECT_NEAR(*simpson(typed("e^x"), 0, 0, 1, n), std::exp(1.0) - 1, 1e-12);
}

TEST(Simpson, PoleInsideTheIntervalFails) {
    std::int32_t n = 501;
    EXPECT_FALSE(simpson(typed("1/x"), 0, -1, 1, n));
    n = 3;
    EXPECT_FALSE(simpson(typed("1/x"), 0, -1, 1, n));  // the centre sample is x = 0
}

TEST(Simpson, UndefinedFirstSampleOnlyDropsTheFirstTriple) {
    std::int32_t n = 5;
    const std::vector<double> y = samples("lnx", 0, 1, 5);
    ASSERT_TRUE(isNoValue(y[0]));
    const std::optional<double> integral = simpson(typed("lnx"), 0, 0, 1, n);
    ASSERT_TRUE(integral);
    EXPECT_EQ(*integral, (y[2] + 4 * y[3] + y[4]) * 1.0 / 12.0);
}

TEST(Simpson, PointCountIsBroughtToAnOddCountInRangeAndWrittenBack) {
    const auto tokens = typed("x");
    struct Case {
        std::int32_t given, used;
    };
    for (const Case c :
         {Case{4, 5}, Case{500, 501}, Case{3, 3}, Case{2, 3}, Case{-8, 3}, Case{0, 3},
          Case{30001, 30001}, Case{30002, 30001}, Case{1 << 30, 30001}}) {
        std::int32_t n = c.given;
        EXPECT_NEAR(*simpson(tokens, 0, 0, 2, n), 2.0, 1e-12) << c.given;
        EXPECT_EQ(n, c.used) << c.given;
        EXPECT_EQ(simpsonPointCount(c.given), c.used);
    }
}

TEST(Simpson, IntervalsForwardReversedEmptyOrNotFinite) {
    const auto tokens = typed("x^2");
    std::int32_t n = 3;
    EXPECT_EQ(*simpson(tokens, 0, 0, 3, n), 9.0);  // exact with three points
    EXPECT_EQ(*simpson(tokens, 0, 3, 0, n), -9.0);
    EXPECT_EQ(*simpson(tokens, 0, 2, 2, n), 0.0);
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(simpson(tokens, 0, 0, inf, n));
    EXPECT_FALSE(simpson(tokens, 0, -inf, 0, n));
    EXPECT_FALSE(simpson(tokens, 0, nan, 1, n));
    EXPECT_FALSE(simpson(tokens, 0, -1e308, 1e308, n));  // the width overflows
    // Defined samples whose weighted sum overflows give no integral, not inf.
    EXPECT_FALSE(simpson(typed("x"), 0, 1e308, 1.7e308, n));
}

TEST(Simpson, NoTokensOrARefusedExpressionFail) {
    std::int32_t n = 4;
    EXPECT_FALSE(simpson({}, 0, 0, 1, n));
    EXPECT_EQ(n, 4);  // nothing was attempted
    EXPECT_FALSE(simpson(typed("3+"), 0, 0, 1, n));
}

std::vector<std::int32_t> progressOf(std::int32_t n, const std::string& expression = "x") {
    std::vector<std::int32_t> positions;
    simpson(typed(expression), 0, 1, 2, n, [&](std::int32_t p) { positions.push_back(p); });
    return positions;
}

TEST(Simpson, ProgressRisesOneStepAtATimeWithinItsRange) {
    std::vector<std::int32_t> expected;
    for (std::int32_t p = 0; p <= 30; ++p) expected.push_back(p);
    EXPECT_EQ(progressOf(30001), expected);  // 15 steps in each pass
    EXPECT_EQ(progressOf(501), expected);    // 15 + 16 steps, stopped at the end
    EXPECT_EQ(progressOf(3), (std::vector<std::int32_t>{0, 1, 2, 3}));
    EXPECT_EQ(progressOf(61).back(), 30);

    // A discontinuity stops the bar where the first pass found it.
    const std::vector<std::int32_t> stopped = progressOf(30001, "1/(x-1.5)");
    EXPECT_EQ(stopped.back(), 7);  // x = 1.5 is sample 15000; every 2000th k steps
}

TEST(Simpson, ReportLines) {
    EXPECT_EQ(simpsonReport(3, 0, 3, 9),
              (std::vector<std::string>{"Using 3 points in the approximation,",
                                        "over the interval [ 0.000000, 3.000000 ]",
                                        "INTEGRAL = 9.000000\n"}));
    EXPECT_EQ(simpsonReport(30001, -1.5, 2.25, -0.1234567)[2], "INTEGRAL = -0.123457\n");
}

}  // namespace
}  // namespace orrery
