// One frame of a pan at 1100 x 720, as the graph window draws it while the
// graph is dragged: the range moves by a few pixels, every curve is
// resampled over the new range and the whole picture is painted. Ten curves
// of 500 points, and one curve of 30001 points.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <stdexcept>
#include <string>

#include "expression/typing.h"
#include "graphing/graph_view.h"
#include "graphing/qt/graph_painter.h"

namespace {

using namespace orrery;

const char* const kCurves[] = {"3sinx", "x^2",     "1/x",      "cosx-x/2", "sqrt(x)",
                               "x^3/9", "2cos(3x)", "ln(x^2+1)", "tanx",     "e^(-x^2)"};

void BM_PanFrame(benchmark::State& state) {
    const int curves = static_cast<int>(state.range(0));
    const int points = static_cast<int>(state.range(1));
    GraphSettings settings;
    settings.pointCounts.assign(10, points);
    GraphView view(settings);
    view.setSize(1100, 720);
    for (int i = 0; i < curves; ++i) {
        if (i > 0 && view.nextCurve()) throw std::runtime_error("cannot add a curve");
        view.curves().current().tokens = typeText(kCurves[i], {}, true).tokens;
        if (view.curves().current().tokens.empty()) throw std::runtime_error(std::string("cannot type ") + kCurves[i]);
    }
    view.setCurvesShown(true);
    GraphPainter painter;
    QImage image(1100, 720, QImage::Format_RGB32);
    {
        QPainter warm(&image);
        painter.paint(warm, view, 1100, 720);  // the Sketch before the drag
    }
    view.beginPan();
    int step = 0;
    for (auto _ : state) {
        // Back and forth, so the range never runs away over many iterations.
        step = (step + 3) % 300;
        view.panBy(step, step / 2);
        QPainter target(&image);
        benchmark::DoNotOptimize(painter.paint(target, view, 1100, 720));
    }
    view.endPan();
    state.counters["frames/s"] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_PanFrame)->ArgNames({"curves", "points"})->Args({10, 500})->Args({1, 30001})->Unit(benchmark::kMillisecond);

}  // namespace
