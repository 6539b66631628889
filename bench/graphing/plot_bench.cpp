// One curve of 500 points on a 440 x 440 picture, as every repaint, zoom and
// drag plots it: the expression prepared (checked, normalised, compiled), the
// samples alone, and the whole plot (preparing, sampling, classifying,
// mapping, runs) with reused buffers and with fresh ones.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "expression/curve_evaluation.h"
#include "expression/typing.h"
#include "graphing/curve_plot.h"

namespace {

using namespace orrery;

constexpr int kPoints = 500;
constexpr int kSide = 440;

const char* const kCurves[] = {"3sinx", "x^2-3x+2", "1/x"};

Curve curveFor(const char* typed) {
    Curve curve;
    curve.tokens = typeText(typed, {}, true).tokens;
    if (curve.tokens.empty()) throw std::runtime_error(std::string("cannot type ") + typed);
    return curve;
}

ExpressionContext contextFor(const Curve& curve) {
    ExpressionContext context;
    context.xMin = curve.limits.xMin;
    context.xMax = curve.limits.xMax;
    context.pointCount = kPoints;
    return context;
}

void setRate(benchmark::State& state) {
    state.counters["samples/s"] =
        benchmark::Counter(kPoints, benchmark::Counter::kIsIterationInvariantRate);
}

void Prepare(benchmark::State& state, const char* typed) {
    const Curve curve = curveFor(typed);
    for (auto _ : state)
        benchmark::DoNotOptimize(prepareExpression(curve.tokens, contextFor(curve)));
}

void SampleOnly(benchmark::State& state, const char* typed) {
    const Curve curve = curveFor(typed);
    const PreparedExpression prepared = prepareExpression(curve.tokens, contextFor(curve));
    const std::vector<double> xs = sampleGrid(curve.limits.xMin, curve.limits.xMax, kPoints);
    std::vector<double> values(kPoints);
    for (auto _ : state) {
        prepared.program->evaluate(xs, values);
        benchmark::DoNotOptimize(values.data());
        benchmark::ClobberMemory();
    }
    setRate(state);
}

void PlotReused(benchmark::State& state, const char* typed, bool derivative) {
    Curve curve = curveFor(typed);
    curve.showDerivative = derivative;
    GraphSettings settings;
    CurvePlotter plotter;
    CurvePlot plot;
    for (auto _ : state) {
        plotter.plotCurve(curve, settings, kSide, kSide, plot);
        benchmark::DoNotOptimize(plot.line.points.data());
        benchmark::DoNotOptimize(plot.derivative.points.data());
    }
    setRate(state);
}

void PlotFresh(benchmark::State& state, const char* typed) {
    Curve curve = curveFor(typed);
    GraphSettings settings;
    for (auto _ : state) benchmark::DoNotOptimize(plotCurve(curve, settings, kSide, kSide));
    setRate(state);
}

[[maybe_unused]] const bool registered = [] {
    for (const char* typed : kCurves) {
        const std::string name = typed;
        benchmark::RegisterBenchmark(("prepare/" + name).c_str(), Prepare, typed);
        benchmark::RegisterBenchmark(("sample/" + name).c_str(), SampleOnly, typed);
        benchmark::RegisterBenchmark(("plot_reused/" + name).c_str(), PlotReused, typed, false);
        benchmark::RegisterBenchmark(("plot_fresh/" + name).c_str(), PlotFresh, typed);
        benchmark::RegisterBenchmark(("plot_derivative/" + name).c_str(), PlotReused, typed, true);
    }
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
