#include "linear_algebra/minor_determinant.h"

#include "linear_algebra/matrix.h"

namespace orrery {

MinorDeterminant::MinorDeterminant(const Matrix& m, std::vector<std::uint32_t> rows)
    : m_(m), rows_(std::move(rows)), width_(m.cols()) {
    const std::size_t n = rows_.size();
    if (n >= 4) {
        // Every 4 x 4 at the bottom of the expansion shares the same last two
        // rows, so their 2 x 2 determinants are worked out once per column pair.
        const std::uint32_t r2 = rows_[n - 2];
        const std::uint32_t r3 = rows_[n - 1];
        pairs_.assign(static_cast<std::size_t>(width_) * width_, 0.0);
        for (std::uint32_t a = 0; a < width_; ++a)
            for (std::uint32_t b = a + 1; b < width_; ++b)
                pairs_[a * width_ + b] = m_(r2, a) * m_(r3, b) - m_(r2, b) * m_(r3, a);
    }
    for (std::size_t level = 0; n >= 5 && level + 4 < n; ++level)
        scratch_.emplace_back(n - level - 1);
}

double MinorDeterminant::of(std::span<const std::uint32_t> cols) {
    switch (rows_.size()) {
    case 0:
        return 1.0;  // the empty product: the only cofactor of a 1 x 1 matrix is 1
    case 1:
        return m_(rows_[0], cols[0]);
    case 2:
        return m_(rows_[0], cols[0]) * m_(rows_[1], cols[1]) -
               m_(rows_[0], cols[1]) * m_(rows_[1], cols[0]);
    case 3:
        return det3(cols);
    default:
        return expand(0, cols);
    }
}

double MinorDeterminant::expand(std::size_t level, std::span<const std::uint32_t> cols) {
    if (cols.size() == 4) return det4(cols);
    std::vector<std::uint32_t>& minorCols = scratch_[level];
    const std::uint32_t row = rows_[level];
    double sum = 0.0;
    for (std::size_t j = 0; j < cols.size(); ++j) {
        std::size_t k = 0;
        for (std::size_t c = 0; c < cols.size(); ++c)
            if (c != j) minorCols[k++] = cols[c];
        const double minorDet = expand(level + 1, minorCols);
        const double cofactor = (j % 2 == 0) ? minorDet : -minorDet;
        sum += m_(row, cols[j]) * cofactor;
    }
    return sum;
}

double MinorDeterminant::det3(std::span<const std::uint32_t> c) const {
    const std::uint32_t r0 = rows_[0], r1 = rows_[1], r2 = rows_[2];
    auto a = [&](std::uint32_t r, std::uint32_t col) { return m_(r, col); };
    return a(r0, c[0]) * a(r1, c[1]) * a(r2, c[2]) - a(r0, c[0]) * a(r1, c[2]) * a(r2, c[1]) +
           a(r0, c[1]) * a(r1, c[2]) * a(r2, c[0]) - a(r0, c[1]) * a(r1, c[0]) * a(r2, c[2]) +
           a(r0, c[2]) * a(r1, c[0]) * a(r2, c[1]) - a(r0, c[2]) * a(r1, c[1]) * a(r2, c[0]);
}

double MinorDeterminant::det4(std::span<const std::uint32_t> c) const {
    const std::size_t n = rows_.size();
    const std::uint32_t r0 = rows_[n - 4], r1 = rows_[n - 3];
    // Each 3 x 3 minor expanded along its first row over 2 x 2s of the last two rows.
    auto minor3 = [&](std::uint32_t x, std::uint32_t y, std::uint32_t z) {
        return m_(r1, x) * pair(y, z) - m_(r1, y) * pair(x, z) + m_(r1, z) * pair(x, y);
    };
    return m_(r0, c[0]) * minor3(c[1], c[2], c[3]) - m_(r0, c[1]) * minor3(c[0], c[2], c[3]) +
           m_(r0, c[2]) * minor3(c[0], c[1], c[3]) - m_(r0, c[3]) * minor3(c[0], c[1], c[2]);
}

}  // namespace orrery
