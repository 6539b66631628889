// One 880 x 700 graph picture as the window composes it on every repaint:
// background, Cartesian axes with labels, and 1 or 5 curves of 500 points,
// smoothed and not. The plotter is kept between pictures, as in the window.
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

const char* const kCurves[] = {"3sinx", "x^2", "1/x", "cosx-x/2", "sqrt(x)"};

void addCurves(GraphView& view, int count) {
    for (int i = 0; i < count; ++i) {
        if (i > 0 && view.nextCurve()) throw std::runtime_error("cannot add a curve");
        view.curves().current().tokens = typeText(kCurves[i], {}, true).tokens;
        if (view.curves().current().tokens.empty()) throw std::runtime_error(std::string("cannot type ") + kCurves[i]);
    }
    view.setCurvesShown(true);
}

void BM_GraphPicture(benchmark::State& state) {
    const int curves = static_cast<int>(state.range(0));
    GraphSettings settings;
    GraphView view(settings);
    view.setSize(880, 700);
    addCurves(view, curves);
    GraphPainter painter;
    painter.setAntialiased(state.range(1) != 0);
    QImage image(880, 700, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter target(&image);
        benchmark::DoNotOptimize(painter.paint(target, view, 880, 700));
    }
    state.counters["pictures/s"] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_GraphPicture)->ArgNames({"curves", "smooth"})->ArgsProduct({{0, 1, 5}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace
