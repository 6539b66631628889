#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace orrery {

class Matrix;

// Determinants of square parts of a matrix, picked by row and column indices
// instead of copied out. The arithmetic is exactly the cofactor method's: the
// written-out formulas up to 4 x 4 and first-row expansion above, so a 10 x 10
// inverse (100 cofactors of 9 x 9) stays interactive without changing a bit of
// the result.
class MinorDeterminant {
public:
    // `rows`: increasing row indices of `m`; the matrix must outlive this object.
    MinorDeterminant(const Matrix& m, std::vector<std::uint32_t> rows);

    // `cols`: increasing column indices, as many as there are rows.
    double of(std::span<const std::uint32_t> cols);

private:
    double expand(std::size_t level, std::span<const std::uint32_t> cols);
    double det3(std::span<const std::uint32_t> cols) const;
    double det4(std::span<const std::uint32_t> cols) const;
    // The 2 x 2 determinant of the last two rows on columns a < b.
    double pair(std::uint32_t a, std::uint32_t b) const { return pairs_[a * width_ + b]; }

    const Matrix& m_;
    std::vector<std::uint32_t> rows_;
    std::uint32_t width_ = 0;
    std::vector<double> pairs_;
    std::vector<std::vector<std::uint32_t>> scratch_;  // the minor's columns at each depth
};

}  // namespace orrery
