// What a resize of the calculator costs: every key face drawn at its size,
// and the whole face (keys, captions, both displays) rendered at two window
// sizes. Peers: the keys alone against the whole face.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "expression/key_table.h"
#include "graphing/graph_view.h"
#include "persistence/memory_settings_store.h"
#include "shell/calculator_input.h"
#include "shell/qt/calculator_face.h"
#include "shell/qt/key_face_painter.h"
#include "support/recording_services.h"

namespace {

using namespace orrery;

void BM_AllKeyFaces(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0));
    const int h = w * 3 / 5;
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        for (int key = 0; key < kButtonCount; ++key) paintKeyFace(painter, QRectF(0, 0, w, h), key, false);
    }
    state.counters["keys/s"] = benchmark::Counter(kButtonCount * static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AllKeyFaces)->Arg(60)->Arg(160)->Unit(benchmark::kMicrosecond);

void BM_WholeFace(benchmark::State& state) {
    GraphSettings settings;
    GraphView view(settings);
    CalculatorInput input(view);
    testing::RecordingMessageService messages;
    CalculatorFace face(input, view, messages);
    face.resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    QImage image(face.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        face.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_WholeFace)->Args({545, 675})->Args({1100, 700})->Unit(benchmark::kMillisecond);

}  // namespace
