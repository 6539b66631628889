// Simpson's rule on the largest point count the dialog offers, as one press
// of Calculate runs it on the user-interface thread: the whole call (prepare,
// sample, both passes) with and without a progress listener, beside the
// bare sampling of the same grid.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "expression/curve_evaluation.h"
#include "expression/typing.h"
#include "graphing/calculus.h"

namespace {

using namespace orrery;

const char* const kCurves[] = {"3sinx", "x^2-3x+2", "sqrt(x)ln(x+1)"};

std::vector<ExpressionToken> tokensFor(const char* typed) {
    auto tokens = typeText(typed, {}, true).tokens;
    if (tokens.empty()) throw std::runtime_error(std::string("cannot type ") + typed);
    return tokens;
}

void SimpsonWhole(benchmark::State& state, const char* typed, bool listen) {
    const auto tokens = tokensFor(typed);
    std::int32_t steps = 0;
    const SimpsonProgress progress = [&](std::int32_t p) { steps += p; };
    for (auto _ : state) {
        std::int32_t n = kSimpsonMaxPoints;
        benchmark::DoNotOptimize(simpson(tokens, 0, 0.5, 4.5, n, listen ? progress : SimpsonProgress{}));
    }
    benchmark::DoNotOptimize(steps);
    state.counters["samples/s"] =
        benchmark::Counter(kSimpsonMaxPoints, benchmark::Counter::kIsIterationInvariantRate);
}

void SampleOnly(benchmark::State& state, const char* typed) {
    const auto tokens = tokensFor(typed);
    ExpressionContext context;
    context.xMin = 0.5;
    context.xMax = 4.5;
    context.pointCount = kSimpsonMaxPoints;
    const PreparedExpression prepared = prepareExpression(tokens, context);
    for (auto _ : state) benchmark::DoNotOptimize(sampleCurve(context, *prepared.program));
}

[[maybe_unused]] const bool registered = [] {
    for (const char* typed : kCurves) {
        const std::string name = typed;
        benchmark::RegisterBenchmark(("simpson_30001/" + name).c_str(), SimpsonWhole, typed, false);
        benchmark::RegisterBenchmark(("simpson_30001_progress/" + name).c_str(), SimpsonWhole,
                                     typed, true);
        benchmark::RegisterBenchmark(("sample_30001/" + name).c_str(), SampleOnly, typed);
    }
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
