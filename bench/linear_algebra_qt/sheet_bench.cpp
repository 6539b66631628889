// The fullest matrices' picture, a 10 x 10 sum with its 10 x 10 result, as the
// preview repaints it on every scroll step (1000 x 750) and as a printed page
// (A4 at 300 dpi, 2480 x 3508); and the layout alone.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "linear_algebra/qt/sheet_painter.h"

namespace {

using namespace orrery;

PrintGrid fullGrid(const char* caption, const char* entry) {
    return PrintGrid{caption, 10, 10, std::vector<std::string>(100, entry)};
}

SheetPicture fullSum() {
    return matrixPicture({fullGrid("A", "-12.5"), fullGrid("B", "3.25"), fullGrid("Result", "-9.250000"), 7, {}});
}

void BM_SheetLayout(benchmark::State& state) {
    const SheetPicture picture = fullSum();
    for (auto _ : state) benchmark::DoNotOptimize(layoutSheet(picture, SheetMetrics{10, 22}, 1000));
}
BENCHMARK(BM_SheetLayout);

void BM_SheetPaint(benchmark::State& state) {
    const SheetPicture picture = fullSum();
    QImage image(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        SheetPainter(picture).paint(painter, image.rect(), 100);
    }
}
BENCHMARK(BM_SheetPaint)->Args({1000, 750})->Args({2480, 3508})->Unit(benchmark::kMillisecond);

}  // namespace
