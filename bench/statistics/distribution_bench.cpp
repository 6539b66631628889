// Time of one criticalValue, one area over a wide interval, and the 100
// densities of one drawing, for each distribution at a spread of degrees of
// freedom. Each call must stay well below 0.1 ms.
#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

#include "statistics/chi_square_distribution.h"
#include "statistics/f_distribution.h"
#include "statistics/normal_distribution.h"
#include "statistics/t_distribution.h"

namespace orrery {
namespace {

std::unique_ptr<Distribution> chiSquare(int k) {
    auto d = std::make_unique<ChiSquareDistribution>();
    d->setDegreesOfFreedom(k);
    return d;
}

std::unique_ptr<Distribution> studentT(int k) {
    auto d = std::make_unique<TDistribution>();
    d->setDegreesOfFreedom(k);
    return d;
}

std::unique_ptr<Distribution> fisherF(int d1, int d2) {
    auto d = std::make_unique<FDistribution>();
    d->setD1(d1);
    d->setD2(d2);
    return d;
}

void criticalValue(benchmark::State& state, std::function<std::unique_ptr<Distribution>()> make) {
    const auto d = make();
    double alpha = 0.05;
    for (auto _ : state) {
        benchmark::DoNotOptimize(d->criticalValue(alpha));
        benchmark::ClobberMemory();
    }
}

// The whole drawn axis and beyond: the widest interval a window asks for.
void wideArea(benchmark::State& state, std::function<std::unique_ptr<Distribution>()> make) {
    const auto d = make();
    const double a = -3.0 * d->axisRange(), b = 3.0 * d->axisRange();
    for (auto _ : state) benchmark::DoNotOptimize(d->area(a, b));
}

void drawingDensities(benchmark::State& state, std::function<std::unique_ptr<Distribution>()> make) {
    const auto d = make();
    const double range = d->axisRange();
    for (auto _ : state)
        for (int i = 0; i < 100; ++i) benchmark::DoNotOptimize(d->density(range * i / 99.0));
}

void registerAll(const char* name, std::function<std::unique_ptr<Distribution>()> make) {
    const std::string n(name);
    benchmark::RegisterBenchmark(("criticalValue/" + n).c_str(), criticalValue, make);
    benchmark::RegisterBenchmark(("area/" + n).c_str(), wideArea, make);
    benchmark::RegisterBenchmark(("density100/" + n).c_str(), drawingDensities, make);
}

const bool registered = [] {
    registerAll("normal", [] { return std::make_unique<NormalDistribution>(); });
    for (int k : {1, 2, 5, 30, 280}) {
        registerAll(("t" + std::to_string(k)).c_str(), [k] { return studentT(k); });
        registerAll(("chi2_" + std::to_string(k)).c_str(), [k] { return chiSquare(k); });
    }
    for (auto [d1, d2] : {std::pair{1, 1}, {3, 1}, {2, 5}, {3, 5}, {79, 79}, {80, 80}})
        registerAll(("F" + std::to_string(d1) + "_" + std::to_string(d2)).c_str(),
                    [d1, d2] { return fisherF(d1, d2); });
    return true;
}();

}  // namespace
}  // namespace orrery
