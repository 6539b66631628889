#pragma once

#include <cstdint>
#include <vector>

#include "common/user_message.h"

namespace orrery {

// A dense matrix of doubles in row-major order, used by the Matrices window for
// its left, right and result operands. The methods are cofactor based on purpose:
// results must match the calculator's long-standing figures to the last bit, so
// there is no LU shortcut.
class Matrix {
public:
    Matrix() = default;
    Matrix(std::uint32_t rows, std::uint32_t cols);

    // Discards the content: a zero matrix of the new size.
    void resize(std::uint32_t rows, std::uint32_t cols);

    std::uint32_t rows() const { return rows_; }
    std::uint32_t cols() const { return cols_; }

    // Checked access: false, and nothing read or written, outside the matrix.
    bool get(int i, int j, double& value) const;
    bool set(int i, int j, double value);

    // Unchecked read for callers that already know the indices are inside.
    double operator()(std::uint32_t i, std::uint32_t j) const { return data_[i * cols_ + j]; }

    // The caller checks that the sizes conform; if they do not, the result is
    // an empty matrix rather than a read past either operand.
    Matrix add(const Matrix& b) const;
    Matrix subtract(const Matrix& b) const;
    Matrix multiply(const Matrix& b) const;

    Matrix scale(double s) const;
    Matrix transpose() const;

    // The matrix without row r and column c; 0 x 0 when r or c is outside.
    Matrix minor(std::uint32_t r, std::uint32_t c) const;
    // (-1)^(r+c) times the determinant of the minor; NaN for a non-square
    // matrix or an index outside it.
    double cofactor(std::uint32_t r, std::uint32_t c) const;

    // False, with the problem described, when the matrix is not square.
    bool determinant(double& value, UserMessage* problem = nullptr) const;
    // False, with the problem described, when not square or the determinant vanishes.
    bool inverse(Matrix& result, UserMessage* problem = nullptr) const;
    // Gauss-Jordan reduction with the calculator's pivot preference.
    Matrix reducedEchelon() const;

    // Row operations, each on a copy; an index outside the matrix leaves the copy unchanged.
    Matrix swapRows(int r1, int r2) const;
    Matrix scaleRow(int r, double s) const;
    // Row `target` += s times row `source`.
    Matrix addRowMultiple(int target, int source, double s) const;

    friend bool operator==(const Matrix&, const Matrix&) = default;

private:
    bool inside(int i, int j) const;
    bool validRow(int r) const { return r >= 0 && static_cast<std::uint32_t>(r) < rows_; }
    double& at(std::uint32_t i, std::uint32_t j) { return data_[i * cols_ + j]; }
    template <typename Op>
    Matrix elementWise(const Matrix& b, Op op) const;

    std::uint32_t rows_ = 0;
    std::uint32_t cols_ = 0;
    std::vector<double> data_;
};

// The pivot row that the echelon form takes for column `col`, searching from
// row `row` down, or -1 when every entry there is below 1e-5 in magnitude.
// Whole-number entries win over all others; among those that compete the one
// nearest to +-1 wins, and a tie keeps the upper row.
int echelonPivot(const Matrix& m, std::uint32_t row, std::uint32_t col);

}  // namespace orrery
