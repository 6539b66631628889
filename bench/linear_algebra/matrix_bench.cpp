// Determinant, inverse and echelon form at the sizes the Matrices window allows.
// A 10 x 10 inverse is the slowest thing a user can ask for there.

#include <benchmark/benchmark.h>

#include <random>

#include "linear_algebra/matrix.h"

namespace {

orrery::Matrix randomMatrix(std::uint32_t n) {
    std::mt19937 gen(42 + n);
    std::uniform_real_distribution<double> dist(-9.0, 9.0);
    orrery::Matrix m(n, n);
    for (std::uint32_t i = 0; i < n; ++i)
        for (std::uint32_t j = 0; j < n; ++j) m.set(static_cast<int>(i), static_cast<int>(j), dist(gen));
    return m;
}

void BM_Determinant(benchmark::State& state) {
    const orrery::Matrix m = randomMatrix(static_cast<std::uint32_t>(state.range(0)));
    for (auto _ : state) {
        double d = 0.0;
        m.determinant(d);
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_Determinant)->DenseRange(5, 10)->Unit(benchmark::kMicrosecond);

void BM_Inverse(benchmark::State& state) {
    const orrery::Matrix m = randomMatrix(static_cast<std::uint32_t>(state.range(0)));
    for (auto _ : state) {
        orrery::Matrix inv;
        benchmark::DoNotOptimize(m.inverse(inv));
    }
}
BENCHMARK(BM_Inverse)->DenseRange(5, 10)->Unit(benchmark::kMillisecond);

// The peer: the same method read literally, every minor copied into a new matrix.
double copyingMinorsDeterminant(const orrery::Matrix& m) {
    double d = 0.0;
    if (m.rows() <= 4) {
        m.determinant(d);
        return d;
    }
    for (std::uint32_t j = 0; j < m.cols(); ++j) {
        const double minorDet = copyingMinorsDeterminant(m.minor(0, j));
        d += m(0, j) * (j % 2 == 0 ? minorDet : -minorDet);
    }
    return d;
}

void BM_InverseCopyingMinors(benchmark::State& state) {
    const orrery::Matrix m = randomMatrix(static_cast<std::uint32_t>(state.range(0)));
    for (auto _ : state) {
        const double d = copyingMinorsDeterminant(m);
        orrery::Matrix inv(m.rows(), m.cols());
        for (std::uint32_t i = 0; i < m.rows(); ++i)
            for (std::uint32_t j = 0; j < m.cols(); ++j) {
                const double minorDet = copyingMinorsDeterminant(m.minor(i, j));
                inv.set(static_cast<int>(j), static_cast<int>(i), ((i + j) % 2 == 0 ? minorDet : -minorDet) / d);
            }
        benchmark::DoNotOptimize(inv);
    }
}
BENCHMARK(BM_InverseCopyingMinors)->Arg(8)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_ReducedEchelon10(benchmark::State& state) {
    const orrery::Matrix m = randomMatrix(10);
    for (auto _ : state) benchmark::DoNotOptimize(m.reducedEchelon());
}
BENCHMARK(BM_ReducedEchelon10)->Unit(benchmark::kMicrosecond);

}  // namespace
