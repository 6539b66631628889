#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "statistics/chi_square_distribution.h"
#include "statistics/f_distribution.h"
#include "statistics/normal_distribution.h"
#include "statistics/t_distribution.h"

namespace orrery {
namespace {

TEST(DistributionLimits, SwapsLimitsGivenInTheWrongOrder) {
    NormalDistribution normal;
    double a = 2.0, b = -1.0;
    EXPECT_TRUE(normal.setLimits(a, b));
    EXPECT_EQ(std::pair(a, b), std::pair(-1.0, 2.0));
    EXPECT_EQ(std::pair(normal.lowerLimit(), normal.upperLimit()), std::pair(-1.0, 2.0));
    double c = 0.5, d = 0.5;
    EXPECT_FALSE(normal.setLimits(c, d));
}

// The texts past 280 are checked through the window calculation; these are
// the rest, and a refused value leaves the old one in place.
TEST(DegreesOfFreedom, RefusalsKeepTheOldValue) {
    const UserMessage belowOne{"INPUT ERROR", "The degrees of freedom must be >= 1"};
    ChiSquareDistribution chi;
    TDistribution t;
    EXPECT_EQ(chi.setDegreesOfFreedom(0), belowOne);
    EXPECT_EQ(t.setDegreesOfFreedom(-3), belowOne);
    EXPECT_EQ(chi.degreesOfFreedom(), 6);
    EXPECT_EQ(t.degreesOfFreedom(), 4);

    FDistribution f;
    EXPECT_EQ(f.setD1(81), "Calculation not accurate if the degrees of freedom #1 exceed 80.\n");
    EXPECT_EQ(f.setD1(0), "The degrees of freedom #1 must be >= 1\n");
    EXPECT_EQ(f.setD2(81), "Calculation not accurate if the degrees of freedom #2 exceed 80.\n");
    EXPECT_EQ(f.setD2(0), "The degrees of freedom #2 must be >= 1\n");
    EXPECT_EQ(std::pair(f.d1(), f.d2()), std::pair(6, 6));
}

// Every distribution at a spread of degrees of freedom, for property checks.
std::vector<std::unique_ptr<Distribution>> spread() {
    std::vector<std::unique_ptr<Distribution>> all;
    all.push_back(std::make_unique<NormalDistribution>());
    for (int k : {1, 2, 3, 5, 30, 280}) {
        auto chi = std::make_unique<ChiSquareDistribution>();
        chi->setDegreesOfFreedom(k);
        all.push_back(std::move(chi));
        auto t = std::make_unique<TDistribution>();
        t->setDegreesOfFreedom(k);
        all.push_back(std::move(t));
    }
    for (auto [d1, d2] : {std::pair{1, 1}, {3, 1}, {1, 3}, {2, 5}, {3, 5}, {5, 3}, {79, 79}, {80, 80}, {1, 80}}) {
        auto f = std::make_unique<FDistribution>();
        f->setD1(d1);
        f->setD2(d2);
        all.push_back(std::move(f));
    }
    return all;
}

TEST(DistributionArea, StaysWithinZeroAndOneOverAnyInterval) {
    const double points[] = {-1e308, -1e6, -50, -3, -1e-300, 0, 1e-300, 0.5, 1, 7, 300, 6000, 1e6, 1e308};
    for (const auto& d : spread())
        for (double a : points)
            for (double b : points) {
                const double area = d->area(a, b);
                ASSERT_GE(area, 0.0) << a << ".." << b;
                ASSERT_LE(area, 1.0) << a << ".." << b;
                ASSERT_EQ(area, d->area(b, a));
            }
}

TEST(DistributionArea, NotANumberLimitGivesNotANumberWithoutHanging) {
    for (const auto& d : spread()) {
        EXPECT_TRUE(std::isnan(d->area(std::nan(""), 1.0)));
        EXPECT_TRUE(std::isnan(d->area(0.0, std::nan(""))));
    }
}

// The defining property of the critical value, checked where the old
// bisections were wrong or never finished.
TEST(DistributionCriticalValue, LeavesExactlyAlphaAbove) {
    for (const auto& d : spread())
        for (double alpha : {0.4, 0.1, 0.05, 0.01, 0.001, 1e-6}) {
            const double c = d->criticalValue(alpha);
            ASSERT_TRUE(std::isfinite(c)) << alpha;
            EXPECT_NEAR(d->area(c, INFINITY), alpha, alpha * 1e-9) << "alpha " << alpha;
        }
}

TEST(DistributionCriticalValue, EveryFPairFinishesWithTheRightValue) {
    FDistribution f;
    for (int d1 = 1; d1 <= 80; ++d1)
        for (int d2 = 1; d2 <= 80; ++d2) {
            ASSERT_EQ(f.setD1(d1) + f.setD2(d2), "");
            const double c = f.criticalValue(0.05);
            ASSERT_NEAR(f.area(0, c), 0.95, 1e-10) << d1 << "," << d2;
        }
}

TEST(DistributionCriticalValue, NoValueForAlphaOutsideZeroToOne) {
    for (const auto& d : spread())
        for (double alpha : {0.0, 1.0, -0.1, 2.0, std::nan("")})
            EXPECT_TRUE(std::isnan(d->criticalValue(alpha)));
}

// The drawing samples the density from the left edge of the axis; where the
// curve has a pole it must be told so, and elsewhere get a finite height.
TEST(DistributionDensity, FiniteEverywhereOnTheAxisExceptThePoles) {
    for (const auto& d : spread()) {
        const int range = d->axisRange();
        for (int i = 0; i <= 100; ++i) {
            const double x = -range + 2.0 * range * i / 100;
            const double y = d->density(x);
            ASSERT_FALSE(std::isnan(y)) << x;
            ASSERT_GE(y, 0.0) << x;
        }
    }
    // The poles themselves are in distributions.txt; just beside them the
    // height is finite and meets the value at 0.
    ChiSquareDistribution chi;
    chi.setDegreesOfFreedom(1);
    EXPECT_FALSE(isUndefinedValue(chi.density(1e-9)));
    chi.setDegreesOfFreedom(2);
    EXPECT_NEAR(chi.density(1e-12), 0.5, 1e-12);
    FDistribution f;
    f.setD1(2);
    EXPECT_NEAR(f.density(1e-12), f.density(0.0), 1e-9);
}

TEST(DistributionDensity, IntegratesToTheArea) {
    // A midpoint sum of the density must agree with the area it shades.
    for (const auto& d : spread()) {
        const double a = 0.25, b = 1.75;
        const int n = 4000;
        double sum = 0.0;
        for (int i = 0; i < n; ++i) sum += d->density(a + (b - a) * (i + 0.5) / n);
        EXPECT_NEAR(sum * (b - a) / n, d->area(a, b), 1e-6);
    }
}

}  // namespace
}  // namespace orrery
