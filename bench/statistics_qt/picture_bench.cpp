// One distribution window's repaint: a 1000 x 600 client area (a window
// opened from a 1200 x 900 main window), with a hatched area. Building the
// picture model alone, and the whole paint onto an image with the fonts
// measured, for each distribution.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "statistics/distribution_set.h"
#include "statistics/qt/picture_painter.h"

namespace {

using namespace orrery;

constexpr StatisticsColors kColors{makeRgb(235, 0, 0), makeRgb(255, 255, 255), makeRgb(0, 55, 0),
                                   makeRgb(155, 0, 155)};

DistributionSet hatchedSet() {
    DistributionSet set;
    double lo = 0.5, hi = 2.0;
    set.normal.setLimits(lo, hi);
    set.t.setLimits(lo, hi);
    set.f.setLimits(lo, hi);
    set.chiSquare.setLimits(lo, hi);
    return set;
}

void BM_DistributionModel(benchmark::State& state) {
    const DistributionSet set = hatchedSet();
    const auto kind = static_cast<DistributionKind>(state.range(0));
    const PictureFrame frame{1000, 600, 15, 18};
    for (auto _ : state)
        benchmark::DoNotOptimize(drawDistribution(set.drawn(kind), frame, kColors));
    state.SetLabel(distributionTitle(kind));
}
BENCHMARK(BM_DistributionModel)->DenseRange(0, 3);

void BM_DistributionPaint(benchmark::State& state) {
    const DistributionSet set = hatchedSet();
    const auto kind = static_cast<DistributionKind>(state.range(0));
    QImage image(1000, 600, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        paintDistribution(painter, set.drawn(kind), kColors, image.rect());
    }
    state.SetLabel(distributionTitle(kind));
}
BENCHMARK(BM_DistributionPaint)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
