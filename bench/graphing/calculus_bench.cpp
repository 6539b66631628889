// Simpson's rule on the largest point count the dialog offers, as one press
// of Calculate runs it on the user-interface thread: the whole call (prepare,
// sample, both passes) with and without a progress listener, beside the
// bare sampling of the same grid; and the plot of a curve whose point count
// the dialog's scroll bar raised to 30001, as every repaint then draws it.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "expression/curve_evaluation.h"
#include "expression/typing.h"
#include "graphing/calculus.h"
#include "graphing/curve_plot.h"

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

void PlotAtMost(benchmark::State& state, const char* typed) {
    Curve curve;
    curve.tokens = tokensFor(typed);
    GraphSettings settings;
    settings.setPointCount(0, kSimpsonMaxPoints, false);
    CurvePlotter plotter;
    CurvePlot plot;
    for (auto _ : state) {
        plotter.plotCurve(curve, settings, 440, 440, plot);
        benchmark::DoNotOptimize(plot.line.points.data());
    }
}

[[maybe_unused]] const bool registered = [] {
    for (const char* typed : kCurves) {
        const std::string name = typed;
        benchmark::RegisterBenchmark(("simpson_30001/" + name).c_str(), SimpsonWhole, typed, false);
        benchmark::RegisterBenchmark(("simpson_30001_progress/" + name).c_str(), SimpsonWhole,
                                     typed, true);
        benchmark::RegisterBenchmark(("sample_30001/" + name).c_str(), SampleOnly, typed);
        benchmark::RegisterBenchmark(("plot_30001/" + name).c_str(), PlotAtMost, typed);
    }
    return true;
}();

}  // namespace
