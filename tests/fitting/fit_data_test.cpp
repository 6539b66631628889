#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fitting/fit_checks.h"
#include "fitting/fit_data.h"
#include "fitting/fit_text.h"

namespace orrery {
namespace {

using Values = std::vector<double>;

Values polynomialAt(const Values& c, const Values& xs) {
    Values ys;
    for (double x : xs) {
        double y = 0.0;
        for (std::size_t k = c.size(); k-- > 0;) y = y * x + c[k];
        ys.push_back(y);
    }
    return ys;
}

TEST(PolynomialFit, RecoversExactPolynomialsOfEveryDegree) {
    const Values xs = {-2, -1.5, -1, 0, 0.5, 1, 2, 3, 4.5};
    for (const Values& c : {Values{-1, 2}, Values{2, -3, 1}, Values{2, -3, 0.5, 1}, Values{1, 0, -2, 0, 0.25, -0.125}}) {
        FitData fit;
        ASSERT_FALSE(fit.setData(xs, polynomialAt(c, xs), static_cast<int>(c.size()) - 1));
        ASSERT_EQ(fit.coefficients().size(), c.size());
        for (std::size_t k = 0; k < c.size(); ++k) EXPECT_NEAR(fit.coefficients()[k], c[k], 1e-10) << k;
        EXPECT_NEAR(fit.rmsError(), 0.0, 1e-10);
        EXPECT_NEAR(fit.evaluate(1.25), polynomialAt(c, {1.25})[0], 1e-10);
    }
}

TEST(PolynomialFit, LeastSquaresLineThroughScatteredPoints) {
    FitData fit;
    // Residuals +1, -1, -1, +1 about y = x: the best line is y = x.
    ASSERT_FALSE(fit.setData({0, 1, 2, 3}, {1, 0, 1, 4}, 1));
    EXPECT_NEAR(fit.coefficients()[0], 0.0, 1e-12);
    EXPECT_NEAR(fit.coefficients()[1], 1.0, 1e-12);
    EXPECT_EQ(fit.equationText(), "y=1.000000x+0.000000");
    EXPECT_NEAR(fit.rmsError(), 1.0, 1e-12);
}

TEST(PolynomialFit, RefusalsComeInTheirOrder) {
    FitData fit;
    const UserMessage degree{"INPUT ERROR", "The degree of the appoximating poynomial must be a positive integer."};
    EXPECT_EQ(fit.setData({}, {}, 0), degree);
    EXPECT_EQ(fit.setData({1, 2, 3}, {1, 2, 3}, -2), degree);
    EXPECT_EQ(fit.setData({1, 2}, {1, 2}, 2),
              (UserMessage{"INPUT ERROR", "There must at least 3 points for a least-square polynomial of degree 2"}));
    EXPECT_EQ(fit.setData({1, 1, 2, 2, 3}, {1, 2, 3, 4, 5}, 3),
              (UserMessage{"IMPROPER DATA", "There must be at least 4 distinct X values for a polynomial of degree 3. "
                                            "Your data set only has 3"}));
    EXPECT_EQ(fit.setData({1, 1 + 5e-11, 2}, {1, 2, 3}, 2)->caption, "IMPROPER DATA");
    EXPECT_EQ(fit.setData({1, 2, 3}, {1, 2}, 1)->caption, "INPUT ERROR");
    EXPECT_EQ(fit.setData({1, 2, INFINITY}, {1, 2, 3}, 1)->caption, "IMPROPER DATA");
    // Squares beyond the largest double: the line cannot be computed.
    EXPECT_EQ(fit.setData({1e200, 2e200, 3e200}, {1, 2, 3}, 1)->caption, "IMPROPER DATA");
    EXPECT_EQ(fit.pointCount(), 0u);
}

TEST(DistinctValues, NeighboursWithinOneTenBillionthAreOneValue) {
    EXPECT_EQ(countDistinct({}), 0);
    EXPECT_EQ(countDistinct({3, 1, 2, 1, 3}), 3);
    // A chain of near neighbours counts once.
    EXPECT_EQ(countDistinct({1, 1 + 0.9e-10, 1 + 1.8e-10}), 1);
    EXPECT_EQ(countDistinct({1, 1 + 2e-10}), 2);
    EXPECT_EQ(countDistinct({-1e35, 1e35}), 2);
}

TEST(FitRanges, StartFromTheDataEvenBeyondTenToThe30) {
    FitData fit;
    ASSERT_FALSE(fit.setData({2e30, 3e30, 5e30}, {-4e31, -5e31, -7e31}, 1));
    EXPECT_EQ(fit.xRange().low, 2e30);
    EXPECT_EQ(fit.xRange().high, 5e30);
    EXPECT_EQ(fit.dataYRange().low, -7e31);
    EXPECT_EQ(fit.dataYRange().high, -4e31);
}

TEST(FitRanges, TheCurvesDipBetweenThePointsWidensTheYRange) {
    FitData fit;
    ASSERT_FALSE(fit.setData({-1, -0.5, 0.5, 1}, {1, 0.25, 0.25, 1}, 2));
    EXPECT_NEAR(fit.yRange(101).low, 0.0, 1e-12);
    EXPECT_NEAR(fit.yRange(101).high, 1.0, 1e-12);
    // Two samples see only the ends, which the data hold already.
    EXPECT_NEAR(fit.yRange(2).low, 0.25, 1e-12);
}

TEST(ExponentialFit, RecoversAnExactExponential) {
    FitData fit;
    const Values xs = {-1, 0, 0.5, 1, 2};
    Values ys;
    for (double x : xs) ys.push_back(std::exp(2 * x));
    ASSERT_FALSE(fit.setExponentialData(xs, ys));
    EXPECT_EQ(fit.equationText(), "y = 1.0000000000*exp(2.0000000000x)");
    EXPECT_NEAR(fit.rmsError(), 0.0, 1e-12);
    EXPECT_NEAR(fit.evaluate(3), std::exp(6.0), 1e-9);
    EXPECT_NEAR(fit.yRange(50).high, std::exp(4.0), 1e-9);
}

TEST(ExponentialFit, RefusesZeroOrNegativeYAndOneX) {
    FitData fit;
    const UserMessage positive{"INPUT ERROR",
                               "For exponential curve fitting, all Y-values must be non-negative numbers."};
    EXPECT_EQ(fit.setExponentialData({1, 2, 3}, {1, 0, 3}), positive);
    EXPECT_EQ(fit.setExponentialData({1, 2, 3}, {1, -2, 3}), positive);
    const UserMessage distinct{"IMPROPER INPUT", "There must be at least two distinct X-values."};
    EXPECT_EQ(fit.setExponentialData({4, 4, 4}, {1, 2, 3}), distinct);
    EXPECT_EQ(fit.setExponentialData({}, {}), distinct);
}

TEST(FitText, EquationsAsTheDialogShowsThem) {
    EXPECT_EQ(lineEquation(0, 2), "y=2.000000x+0.000000");
    // A negative zero brings its own sign, never "+-".
    EXPECT_EQ(lineEquation(-0.0, 2), "y=2.000000x-0.000000");
    EXPECT_EQ(polynomialEquation({2, -3, 1}), "1.00000x^2-3.00000x+2.00000");
    EXPECT_EQ(polynomialEquation({-2, 1e-25, 0, -1.5}), "-1.50000x^3-2.00000");
    EXPECT_EQ(polynomialEquation({0, 0, 0}), "0.00000");
    EXPECT_EQ(exponentialEquation(3.5, -0.25), "y = 3.5000000000*exp(-0.2500000000x)");
}

TEST(FitText, GenericFormsForEachDegree) {
    EXPECT_EQ(polynomialGenericForm(1), "y = ax+b");
    EXPECT_EQ(polynomialGenericForm(2), "y = ax^2+bx+c");
    EXPECT_EQ(polynomialGenericForm(12), "y=ax^12+bx^11+cx^10+...");
}

TEST(FitText, SketchCharacters) {
    EXPECT_EQ(polynomialSketch({2, -3, 1}), "1.0000000000x^2-3.0000000000x+2.0000000000");
    EXPECT_EQ(polynomialSketch({0.0, -0.0, 1}), "1.0000000000x^2-0.0000000000x+0.0000000000");
    EXPECT_EQ(exponentialSketch(1, -2), "1.0000000000*e^(-2.0000000000*x)");
    // Small coefficients keep ten significant digits.
    EXPECT_EQ(polynomialSketch({0, 1.234567890123e-12}), "0.000000000001234567890x+0.0000000000");
}

}  // namespace
}  // namespace orrery
