// What clicking Evolve in the About box costs: the grid computed again at its
// new size, and the picture rebuilt and stretched onto the view. Peer: the
// same picture painted the literal way, one 4 × 3 rectangle a cell into an
// off-screen image that is then stretched.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "common/qt/qt_color.h"
#include "shell/about_automaton.h"
#include "shell/qt/automaton_view.h"

namespace {

using namespace orrery;

AboutAutomaton evolved(int times) {
    AboutAutomaton automaton;
    for (int i = 0; i < times; ++i) automaton.Evolve();
    return automaton;
}

// One click: from `times - 1` Evolves to `times` (Reset and the climb back are not timed).
void BM_EvolveClick(benchmark::State& state) {
    const int times = static_cast<int>(state.range(0));
    AboutAutomaton automaton;
    for (auto _ : state) {
        state.PauseTiming();
        automaton.Reset();
        for (int i = 1; i < times; ++i) automaton.Evolve();
        state.ResumeTiming();
        benchmark::DoNotOptimize(automaton.Evolve());
    }
    state.counters["cells"] = static_cast<double>(automaton.cells().size());
}
BENCHMARK(BM_EvolveClick)->Arg(1)->Arg(10)->Arg(66)->Unit(benchmark::kMillisecond);

void BM_ViewRepaint(benchmark::State& state) {
    const AboutAutomaton automaton = evolved(static_cast<int>(state.range(0)));
    AutomatonView view(automaton);
    for (auto _ : state) {
        view.refresh();
        benchmark::DoNotOptimize(view.grab());
    }
}
BENCHMARK(BM_ViewRepaint)->Arg(0)->Arg(10)->Arg(66)->Unit(benchmark::kMillisecond);

void BM_LiteralBlocksRepaint(benchmark::State& state) {
    const AboutAutomaton automaton = evolved(static_cast<int>(state.range(0)));
    const QSize viewSize = AutomatonView(automaton).size();
    QImage target(viewSize, QImage::Format_RGB32);
    for (auto _ : state) {
        QImage blocks(4 * automaton.columns(), 3 * automaton.rows(), QImage::Format_RGB32);
        QPainter painter(&blocks);
        for (int r = 0; r < automaton.rows(); ++r)
            for (int c = 0; c < automaton.columns(); ++c)
                painter.fillRect(4 * c, 3 * r, 4, 3, toQColor(AutomatonColor(automaton.state(r, c))));
        painter.end();
        QPainter onto(&target);
        onto.drawImage(target.rect(), blocks);
        benchmark::DoNotOptimize(target.bits());
    }
}
BENCHMARK(BM_LiteralBlocksRepaint)->Arg(0)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
