// Zeros, extrema and intersections as the Analysis window's Find runs them:
// the whole search of a fast-oscillating curve (sin 50x on -5..5: 159 zeros,
// 159 turning points), a curve with poles, and a meeting of two curves;
// beside them the bare batch sampling of the same grid, the floor under every search.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "expression/curve_evaluation.h"
#include "expression/typing.h"
#include "graphing/curve_analysis.h"

namespace {

using namespace orrery;

CompiledExpression compiled(const char* typed) {
    auto prepared = prepareExpression(typeText(typed, {}, true).tokens, ExpressionContext{});
    if (!prepared.program) throw std::runtime_error(std::string("cannot compile ") + typed);
    return *prepared.program;
}

void Zeros(benchmark::State& state, const char* typed) {
    const CompiledExpression program = compiled(typed);
    std::size_t found = 0;
    for (auto _ : state) found = findZeros(analysedCurve(program), -5, 5).size();
    state.counters["zeros"] = static_cast<double>(found);
}

void Extrema(benchmark::State& state, const char* typed) {
    const CompiledExpression program = compiled(typed);
    std::size_t found = 0;
    for (auto _ : state) found = findExtrema(analysedCurve(program), -5, 5).size();
    state.counters["points"] = static_cast<double>(found);
}

void Meetings(benchmark::State& state) {
    const CompiledExpression f = compiled("sin50x");
    const CompiledExpression g = compiled("x/5");
    std::size_t found = 0;
    for (auto _ : state) found = findIntersections(f, g, -5, 5).size();
    state.counters["meetings"] = static_cast<double>(found);
}

void GridOnly(benchmark::State& state) {
    const CompiledExpression program = compiled("sin50x");
    const std::vector<double> xs = sampleGrid(-5, 5, kAnalysisMinimumGrid + 1);
    std::vector<double> ys(xs.size());
    for (auto _ : state) {
        program.evaluate(xs, ys);
        benchmark::DoNotOptimize(ys.data());
    }
}

BENCHMARK_CAPTURE(Zeros, sin50x, "sin50x")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Zeros, tanx, "tanx")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Extrema, sin50x, "sin50x")->Unit(benchmark::kMillisecond);
BENCHMARK(Meetings)->Unit(benchmark::kMillisecond);
BENCHMARK(GridOnly)->Unit(benchmark::kMillisecond);

}  // namespace
