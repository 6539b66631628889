#include "linear_algebra/vector.h"

#include <gtest/gtest.h>

#include <numbers>

namespace orrery {
namespace {

void expectNear(const Vector& actual, const Vector& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) EXPECT_NEAR(actual[i], expected[i], 1e-12) << i;
}

TEST(Vector, ArithmeticAndProducts) {
    const Vector a{1, 2, 3};
    const Vector b{4, -5, 6};
    EXPECT_EQ(a.add(b), (Vector{5, -3, 9}));
    EXPECT_EQ(a.subtract(b), (Vector{-3, 7, -3}));
    EXPECT_EQ(a.dot(b), 12.0);
    EXPECT_EQ(a.scaled(-2), (Vector{-2, -4, -6}));
    EXPECT_EQ(a.cross(b), (Vector{27, 6, -13}));
    EXPECT_EQ((Vector{3, 4}).norm(), 5.0);
    EXPECT_EQ((Vector{3, 4}).normSquared(), 25.0);
    // Mismatched lengths stay inside both operands.
    EXPECT_EQ(a.add(Vector{1}), (Vector{2}));
    EXPECT_EQ(a.cross(Vector{1, 2}), Vector(3));
}

TEST(Vector, SetComponentOutsideWritesNothing) {
    Vector v(2);
    EXPECT_FALSE(v.setComponent(2, 1.0));
    EXPECT_TRUE(v.setComponent(1, 1.0));
    EXPECT_EQ(v, (Vector{0, 1}));
}

TEST(Vector, NormalisationNeedsANormOf1eMinus20) {
    Vector unit{9, 9};
    EXPECT_FALSE((Vector{1e-21, 0}).normalized(unit));
    EXPECT_EQ(unit, (Vector{1e-21, 0}));
    EXPECT_TRUE((Vector{1e-19, 0}).normalized(unit));
    expectNear(unit, {1, 0});
}

TEST(Vector, PerpendicularComponentIsPerpendicular) {
    const Vector u{1, 2, 2};
    const Vector v{3, -1, 4};
    EXPECT_NEAR(perpendicular(u, v, 3).dot(u), 0.0, 1e-12);
}

TEST(Vector, RotationsInTwoComponents) {
    expectNear((Vector{1, 0}).rotated(2, {90}, false), {0, 1});
    expectNear((Vector{1, 0}).rotated(2, {std::numbers::pi / 2}, true), {0, 1});
    const Vector v{2.5, -1.25};
    expectNear(v.rotated(2, {37}, false).rotated(2, {-37}, false), v);
}

TEST(Vector, RotationsInThreeComponents) {
    const Vector x{1, 0, 0};
    expectNear(x.rotated(3, {0, 0, 90}, false), {0, 1, 0});
    expectNear(x.rotated(3, {0, 90, 0}, false), {0, 0, -1});
    expectNear(x.rotated(3, {90, 0, 0}, false), {1, 0, 0});
    expectNear((Vector{0, 1, 0}).rotated(3, {90, 0, 0}, false), {0, 0, 1});

    // z first, then y, then x: undoing them one axis at a time in reverse order
    // brings the vector back.
    const Vector v{1.5, -2, 0.75};
    const double a = 0.3, b = -1.1, c = 2.4;
    const Vector turned = v.rotated(3, {a, b, c}, true);
    EXPECT_NEAR(turned.norm(), v.norm(), 1e-12);
    const Vector back =
        turned.rotated(3, {-a, 0, 0}, true).rotated(3, {0, -b, 0}, true).rotated(3, {0, 0, -c}, true);
    expectNear(back, v);
}

TEST(Vector, OtherSizesAreNotRotated) {
    const Vector v{1, 2, 3, 4};
    EXPECT_EQ(v.rotated(4, {1, 2, 3}, true), v);
    EXPECT_EQ((Vector{1, 2, 3}).rotated(3, {1}, true), (Vector{1, 2, 3}));
}

}  // namespace
}  // namespace orrery
