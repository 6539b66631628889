#include "linear_algebra/matrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace orrery {
namespace {

Matrix fromRows(std::initializer_list<std::initializer_list<double>> rows) {
    Matrix m(static_cast<std::uint32_t>(rows.size()), static_cast<std::uint32_t>(rows.begin()->size()));
    int i = 0;
    for (const auto& row : rows) {
        int j = 0;
        for (const double v : row) m.set(i, j++, v);
        ++i;
    }
    return m;
}

Matrix randomMatrix(std::uint32_t n, unsigned seed) {
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> dist(-5.0, 5.0);
    Matrix m(n, n);
    for (std::uint32_t i = 0; i < n; ++i)
        for (std::uint32_t j = 0; j < n; ++j) m.set(static_cast<int>(i), static_cast<int>(j), dist(gen));
    return m;
}

double det(const Matrix& m) {
    double d = std::nan("");
    EXPECT_TRUE(m.determinant(d));
    return d;
}

// The cofactor method read literally: copied minors down to the 4 x 4 formula.
double copyingMinorsDeterminant(const Matrix& m) {
    if (m.rows() <= 4) return det(m);
    double sum = 0.0;
    for (std::uint32_t j = 0; j < m.cols(); ++j) {
        const double minorDet = copyingMinorsDeterminant(m.minor(0, j));
        sum += m(0, j) * (j % 2 == 0 ? minorDet : -minorDet);
    }
    return sum;
}

TEST(Matrix, AccessOutsideReadsAndWritesNothing) {
    Matrix m(2, 3);
    double v = 7.0;
    EXPECT_FALSE(m.get(-1, 0, v));
    EXPECT_FALSE(m.get(2, 0, v));
    EXPECT_FALSE(m.set(0, 3, 1.0));
    EXPECT_EQ(v, 7.0);
    EXPECT_EQ(m, Matrix(2, 3));
    EXPECT_TRUE(m.set(1, 2, 4.5));
    EXPECT_TRUE(m.get(1, 2, v));
    EXPECT_EQ(v, 4.5);
    m.resize(1, 1);
    EXPECT_EQ(m, Matrix(1, 1));
}

TEST(Matrix, ShapesOfProductsAndTransposes) {
    const Matrix a = fromRows({{1, 2, 3}, {4, 5, 6}});
    const Matrix b = fromRows({{1, 0, 2, 1}, {0, 1, 1, 0}, {2, 1, 0, 1}});
    EXPECT_EQ(a.multiply(b), fromRows({{7, 5, 4, 4}, {16, 11, 13, 10}}));
    EXPECT_EQ(a.transpose(), fromRows({{1, 4}, {2, 5}, {3, 6}}));
    EXPECT_EQ(a.add(a), a.scale(2));
    EXPECT_EQ(a.subtract(a), Matrix(2, 3));
    EXPECT_EQ(a.multiply(a), Matrix());
    EXPECT_EQ(a.add(b), Matrix());
}

TEST(Matrix, MinorsAndCofactors) {
    const Matrix m = fromRows({{1, 2, 3}, {4, 5, 6}, {7, 8, 10}});
    EXPECT_EQ(m.minor(1, 0), fromRows({{2, 3}, {8, 10}}));
    EXPECT_EQ(m.cofactor(1, 0), -(2.0 * 10 - 3.0 * 8));
    EXPECT_EQ(m.minor(3, 0), Matrix());
    EXPECT_TRUE(std::isnan(m.cofactor(0, 3)));
    EXPECT_TRUE(std::isnan(Matrix(2, 3).cofactor(0, 0)));
    EXPECT_EQ(fromRows({{9}}).cofactor(0, 0), 1.0);
}

TEST(Matrix, DeterminantsOfTriangularAndPermutationMatrices) {
    for (std::uint32_t n = 1; n <= 8; ++n) {
        Matrix upper(n, n);
        double product = 1.0;
        for (std::uint32_t i = 0; i < n; ++i) {
            upper.set(static_cast<int>(i), static_cast<int>(i), i + 2.0);
            product *= i + 2.0;
            for (std::uint32_t j = i + 1; j < n; ++j) upper.set(static_cast<int>(i), static_cast<int>(j), 3.0);
        }
        EXPECT_EQ(det(upper), product) << n;
        EXPECT_EQ(det(upper.transpose()), product) << n;

        // Reversing the order of the rows of the identity takes n/2 swaps.
        Matrix reversal(n, n);
        for (std::uint32_t i = 0; i < n; ++i) reversal.set(static_cast<int>(i), static_cast<int>(n - 1 - i), 1.0);
        EXPECT_EQ(det(reversal), (n / 2) % 2 == 0 ? 1.0 : -1.0) << n;
    }
}

TEST(Matrix, DeterminantFollowsTheWrittenOutFormulas) {
    const Matrix m3 = fromRows({{2, -1, 0.5}, {1, 3, 2}, {0, 1, 4}});
    EXPECT_EQ(det(m3), 2.0 * 3 * 4 - 2.0 * 2 * 1 + -1.0 * 2 * 0 - -1.0 * 1 * 4 + 0.5 * 1 * 1 - 0.5 * 3 * 0);

    // The 4 x 4 formula, bit for bit, on awkward values.
    const Matrix a = randomMatrix(4, 11);
    auto d2 = [&](std::uint32_t x, std::uint32_t y) { return a(2, x) * a(3, y) - a(2, y) * a(3, x); };
    auto m = [&](std::uint32_t x, std::uint32_t y, std::uint32_t z) {
        return a(1, x) * d2(y, z) - a(1, y) * d2(x, z) + a(1, z) * d2(x, y);
    };
    EXPECT_EQ(det(a), a(0, 0) * m(1, 2, 3) - a(0, 1) * m(0, 2, 3) + a(0, 2) * m(0, 1, 3) - a(0, 3) * m(0, 1, 2));

    // Above 4 x 4: the first-row expansion over cofactors, in order from 0.0.
    for (std::uint32_t n = 5; n <= 8; ++n) {
        const Matrix b = randomMatrix(n, n);
        double sum = 0.0;
        for (std::uint32_t j = 0; j < n; ++j) sum += b(0, j) * b.cofactor(0, j);
        EXPECT_EQ(det(b), sum) << n;
        EXPECT_EQ(det(b), copyingMinorsDeterminant(b)) << n;
    }
}

TEST(Matrix, DeterminantOfANonSquareMatrixIsRefused) {
    double d = 5.0;
    UserMessage problem;
    EXPECT_FALSE(Matrix(3, 2).determinant(d, &problem));
    EXPECT_EQ(d, 5.0);
    EXPECT_EQ(problem, (UserMessage{"INPUT ERROR", "Determinants are only defined for square matrices."}));
}

TEST(Matrix, InverseTimesTheMatrixIsTheIdentity) {
    for (std::uint32_t n = 1; n <= 10; ++n) {
        const Matrix a = randomMatrix(n, 100 + n);
        Matrix inv;
        ASSERT_TRUE(a.inverse(inv)) << n;
        const Matrix product = a.multiply(inv);
        for (std::uint32_t i = 0; i < n; ++i)
            for (std::uint32_t j = 0; j < n; ++j) EXPECT_NEAR(product(i, j), i == j ? 1.0 : 0.0, 1e-9) << n;
    }
}

TEST(Matrix, InverseIsTheAdjugateOverTheDeterminant) {
    Matrix inv;
    ASSERT_TRUE(fromRows({{4}}).inverse(inv));
    EXPECT_EQ(inv, fromRows({{0.25}}));
    const Matrix a = randomMatrix(6, 7);
    ASSERT_TRUE(a.inverse(inv));
    EXPECT_EQ(inv(4, 1), -copyingMinorsDeterminant(a.minor(1, 4)) / copyingMinorsDeterminant(a));
    ASSERT_TRUE(fromRows({{1, 2}, {3, 4}}).inverse(inv));
    EXPECT_EQ(inv, fromRows({{4 / -2.0, -2 / -2.0}, {-3 / -2.0, 1 / -2.0}}));
    // A tiny determinant that does not vanish is still inverted.
    ASSERT_TRUE(fromRows({{1e-40, 0, 0}, {0, 1, 0}, {0, 0, 1}}).inverse(inv));
    EXPECT_DOUBLE_EQ(inv(0, 0), 1e40);
}

TEST(Matrix, InverseIsRefusedForVanishingDeterminantsAndNonSquareMatrices) {
    const UserMessage vanishing{"VANISHING DETERMINANT",
                                "The inverse of this matrix is not defined as its determinant is =0"};
    Matrix inv = fromRows({{3}});
    UserMessage problem;
    EXPECT_FALSE(fromRows({{0}}).inverse(inv, &problem));
    EXPECT_EQ(problem, vanishing);
    EXPECT_FALSE(fromRows({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}).inverse(inv, &problem));
    EXPECT_EQ(problem, vanishing);
    EXPECT_FALSE(fromRows({{1e-22, 0}, {0, 1e-22}}).inverse(inv, &problem));  // det 1e-44
    EXPECT_FALSE(Matrix(2, 3).inverse(inv, &problem));
    EXPECT_EQ(problem, (UserMessage{"BE SQUARE", "The inverse is not defined for non-square matrices"}));
    EXPECT_EQ(inv, fromRows({{3}}));
}

TEST(Matrix, RowOperationsOutsideTheMatrixChangeNothing) {
    const Matrix m = fromRows({{1, 2}, {3, 4}});
    EXPECT_EQ(m.swapRows(0, 1), fromRows({{3, 4}, {1, 2}}));
    EXPECT_EQ(m.swapRows(0, 2), m);
    EXPECT_EQ(m.scaleRow(1, 0.5), fromRows({{1, 2}, {1.5, 2}}));
    EXPECT_EQ(m.scaleRow(-1, 0.5), m);
    EXPECT_EQ(m.addRowMultiple(1, 0, -3), fromRows({{1, 2}, {0, -2}}));
    EXPECT_EQ(m.addRowMultiple(1, 1, -3), m);
    EXPECT_EQ(m.addRowMultiple(2, 0, -3), m);
}

TEST(Matrix, PivotPreference) {
    // Whole numbers win at once over fractions, then the nearest to +-1 wins.
    EXPECT_EQ(echelonPivot(fromRows({{2}, {1}}), 0, 0), 1);
    EXPECT_EQ(echelonPivot(fromRows({{0.9}, {3}, {-1}}), 0, 0), 2);
    EXPECT_EQ(echelonPivot(fromRows({{-1}, {1}}), 0, 0), 0);  // a tie keeps the upper row
    EXPECT_EQ(echelonPivot(fromRows({{0.5}, {1.2}, {0.1}}), 0, 0), 1);
    EXPECT_EQ(echelonPivot(fromRows({{1.2}, {0.8}}), 0, 0), 0);  // 0.2 is not strictly nearer than 0.2
    EXPECT_EQ(echelonPivot(fromRows({{5}, {1.0000001}}), 0, 0), 1);  // within 1e-5 of a whole number
    EXPECT_EQ(echelonPivot(fromRows({{1}, {0.000001}, {-0.000009}}), 1, 0), -1);
    EXPECT_EQ(echelonPivot(fromRows({{1}, {4}, {2}}), 1, 0), 2);  // the search starts at the given row
}

TEST(Matrix, ReducedEchelonForms) {
    EXPECT_EQ(fromRows({{2, 4}, {1, 3}}).reducedEchelon(), fromRows({{1, 0}, {0, 1}}));
    EXPECT_EQ(fromRows({{1, 2, 3}, {2, 4, 6}, {1, 1, 1}}).reducedEchelon(),
              fromRows({{1, 0, -1}, {0, 1, 2}, {0, 0, 0}}));
    // A column of entries below the tolerance is skipped: no pivot, no scaling.
    EXPECT_EQ(fromRows({{1e-6, 1}, {0, 2}}).reducedEchelon(), fromRows({{1e-6, 1}, {-2e-6, 0}}));
    // The whole-number pivot 3 is taken over 0.3, which shows in the last bit.
    const Matrix r = fromRows({{0.3, 0.1}, {3, 1}}).reducedEchelon();
    EXPECT_EQ(r(0, 0), 1.0);
    EXPECT_EQ(r(0, 1), 1.0 * (1.0 / 3.0));
    EXPECT_EQ(Matrix(2, 3).reducedEchelon(), Matrix(2, 3));
}

}  // namespace
}  // namespace orrery
