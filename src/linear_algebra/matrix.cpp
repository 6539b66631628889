#include "linear_algebra/matrix.h"

#include <cmath>
#include <limits>
#include <numeric>

#include "linear_algebra/minor_determinant.h"

namespace orrery {
namespace {

// Below this the determinant counts as zero and the inverse is refused (e^-100).
const double kVanishingDeterminant = std::exp(-100.0);
// Entries smaller than this are never pivots, and an entry this close to a whole
// number counts as one.
constexpr double kEchelonTolerance = 1e-5;

std::vector<std::uint32_t> indicesWithout(std::uint32_t count, std::uint32_t skipped) {
    std::vector<std::uint32_t> indices;
    indices.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i)
        if (i != skipped) indices.push_back(i);
    return indices;
}

}  // namespace

Matrix::Matrix(std::uint32_t rows, std::uint32_t cols) { resize(rows, cols); }

void Matrix::resize(std::uint32_t rows, std::uint32_t cols) {
    rows_ = rows;
    cols_ = cols;
    data_.assign(static_cast<std::size_t>(rows) * cols, 0.0);
}

bool Matrix::inside(int i, int j) const {
    return i >= 0 && j >= 0 && static_cast<std::uint32_t>(i) < rows_ &&
           static_cast<std::uint32_t>(j) < cols_;
}

bool Matrix::get(int i, int j, double& value) const {
    if (!inside(i, j)) return false;
    value = (*this)(static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(j));
    return true;
}

bool Matrix::set(int i, int j, double value) {
    if (!inside(i, j)) return false;
    at(static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(j)) = value;
    return true;
}

template <typename Op>
Matrix Matrix::elementWise(const Matrix& b, Op op) const {
    if (rows_ != b.rows_ || cols_ != b.cols_) return Matrix();
    Matrix result(rows_, cols_);
    for (std::size_t k = 0; k < data_.size(); ++k) result.data_[k] = op(data_[k], b.data_[k]);
    return result;
}

Matrix Matrix::add(const Matrix& b) const {
    return elementWise(b, [](double x, double y) { return x + y; });
}

Matrix Matrix::subtract(const Matrix& b) const {
    return elementWise(b, [](double x, double y) { return x - y; });
}

Matrix Matrix::multiply(const Matrix& b) const {
    if (cols_ != b.rows_) return Matrix();
    Matrix result(rows_, b.cols_);
    for (std::uint32_t i = 0; i < rows_; ++i)
        for (std::uint32_t j = 0; j < b.cols_; ++j) {
            double sum = 0.0;
            for (std::uint32_t k = 0; k < cols_; ++k) sum += (*this)(i, k) * b(k, j);
            result.at(i, j) = sum;
        }
    return result;
}

Matrix Matrix::scale(double s) const {
    Matrix result = *this;
    for (double& x : result.data_) x *= s;
    return result;
}

Matrix Matrix::transpose() const {
    Matrix result(cols_, rows_);
    for (std::uint32_t i = 0; i < rows_; ++i)
        for (std::uint32_t j = 0; j < cols_; ++j) result.at(j, i) = (*this)(i, j);
    return result;
}

Matrix Matrix::minor(std::uint32_t r, std::uint32_t c) const {
    if (r >= rows_ || c >= cols_) return Matrix();
    Matrix result(rows_ - 1, cols_ - 1);
    std::size_t k = 0;
    for (std::uint32_t i = 0; i < rows_; ++i)
        for (std::uint32_t j = 0; j < cols_; ++j)
            if (i != r && j != c) result.data_[k++] = (*this)(i, j);
    return result;
}

double Matrix::cofactor(std::uint32_t r, std::uint32_t c) const {
    if (rows_ != cols_ || r >= rows_ || c >= cols_) return std::numeric_limits<double>::quiet_NaN();
    MinorDeterminant minorDet(*this, indicesWithout(rows_, r));
    const double d = minorDet.of(indicesWithout(cols_, c));
    return (r + c) % 2 == 0 ? d : -d;
}

bool Matrix::determinant(double& value, UserMessage* problem) const {
    if (rows_ != cols_) {
        if (problem)
            *problem = {"INPUT ERROR", "Determinants are only defined for square matrices."};
        return false;
    }
    std::vector<std::uint32_t> all(rows_);
    std::iota(all.begin(), all.end(), 0u);
    MinorDeterminant det(*this, all);
    value = det.of(all);
    return true;
}

bool Matrix::inverse(Matrix& result, UserMessage* problem) const {
    if (rows_ != cols_) {
        if (problem)
            *problem = {"BE SQUARE", "The inverse is not defined for non-square matrices"};
        return false;
    }
    double d = 0.0;
    determinant(d);
    if (std::fabs(d) < kVanishingDeterminant) {
        if (problem)
            *problem = {"VANISHING DETERMINANT",
                        "The inverse of this matrix is not defined as its determinant is =0"};
        return false;
    }
    // The adjugate over the determinant; the cofactors of one row share their rows.
    Matrix inv(rows_, cols_);
    for (std::uint32_t i = 0; i < rows_; ++i) {
        MinorDeterminant minorDet(*this, indicesWithout(rows_, i));
        for (std::uint32_t j = 0; j < cols_; ++j) {
            const double m = minorDet.of(indicesWithout(cols_, j));
            const double cof = (i + j) % 2 == 0 ? m : -m;
            inv.at(j, i) = cof / d;
        }
    }
    result = std::move(inv);
    return true;
}

Matrix Matrix::swapRows(int r1, int r2) const {
    Matrix result = *this;
    if (!validRow(r1) || !validRow(r2) || r1 == r2) return result;
    for (std::uint32_t j = 0; j < cols_; ++j)
        std::swap(result.at(static_cast<std::uint32_t>(r1), j), result.at(static_cast<std::uint32_t>(r2), j));
    return result;
}

Matrix Matrix::scaleRow(int r, double s) const {
    Matrix result = *this;
    if (!validRow(r)) return result;
    for (std::uint32_t j = 0; j < cols_; ++j) result.at(static_cast<std::uint32_t>(r), j) *= s;
    return result;
}

Matrix Matrix::addRowMultiple(int target, int source, double s) const {
    Matrix result = *this;
    if (!validRow(target) || !validRow(source) || target == source) return result;
    const auto t = static_cast<std::uint32_t>(target);
    const auto src = static_cast<std::uint32_t>(source);
    for (std::uint32_t j = 0; j < cols_; ++j) result.at(t, j) = result(t, j) + s * result(src, j);
    return result;
}

namespace {

bool isWholeNumber(double v) { return std::fabs(v - std::trunc(v)) < kEchelonTolerance; }

}  // namespace

// Preferring whole numbers near 1 keeps hand-worked examples free of long fractions.
int echelonPivot(const Matrix& m, std::uint32_t r, std::uint32_t c) {
    int best = -1;
    bool bestIsWhole = false;
    double bestDistance = 0.0;
    for (std::uint32_t k = r; k < m.rows(); ++k) {
        const double v = m(k, c);
        if (std::fabs(v) < kEchelonTolerance) continue;
        const bool whole = isWholeNumber(v);
        const double distance = std::fabs(std::fabs(v) - 1.0);
        const bool takeAtOnce = whole && !bestIsWhole;
        if (!takeAtOnce) {
            if (bestIsWhole && !whole) continue;
            if (best >= 0 && !(distance < bestDistance)) continue;
        }
        best = static_cast<int>(k);
        bestIsWhole = whole;
        bestDistance = distance;
    }
    return best;
}

Matrix Matrix::reducedEchelon() const {
    Matrix m = *this;
    std::uint32_t r = 0;
    for (std::uint32_t c = 0; c < cols_ && r < rows_; ++c) {
        const int p = echelonPivot(m, r, c);
        if (p < 0) continue;
        const int row = static_cast<int>(r);
        m = m.swapRows(row, p);
        m = m.scaleRow(row, 1.0 / m(r, c));
        for (std::uint32_t k = 0; k < rows_; ++k)
            if (k != r) m = m.addRowMultiple(static_cast<int>(k), row, -m(k, c));
        ++r;
    }
    return m;
}

}  // namespace orrery
