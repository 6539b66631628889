// The edit history on a large document: 100 curves of 2000 keys. The frame
// shows the history the document after every key and click, so observe()
// with nothing changed is the cost every action pays.
#include <benchmark/benchmark.h>

#include "shell/edit_history.h"

namespace orrery {
namespace {

struct LargeDocument {
    GraphSettings settings;
    GraphView view{settings};
    LargeDocument() {
        for (int c = 0; c < 100; ++c) {
            if (c > 0) (void)view.nextCurve();
            for (int k = 0; k < 1999; ++k)
                (void)view.curves().current().insertAtCursor(keyAt(k % 2 ? 27 : 3));
        }
        view.curves().setCurrentIndex(50);
    }
};

void BM_ObserveUnchanged(benchmark::State& state) {
    LargeDocument d;
    EditHistory history;
    history.start(d.view);
    for (auto _ : state) benchmark::DoNotOptimize(history.observe(d.view));
}
BENCHMARK(BM_ObserveUnchanged)->Unit(benchmark::kMicrosecond);

// One key typed and taken back: two steps recorded.
void BM_ObserveKeyEdit(benchmark::State& state) {
    LargeDocument d;
    EditHistory history;
    history.start(d.view);
    Curve& curve = d.view.curves().current();
    for (auto _ : state) {
        (void)curve.insertAtCursor(keyAt(18));
        history.observe(d.view);
        curve.deleteBeforeCursor();
        history.observe(d.view);
    }
    state.counters["history_MB"] = static_cast<double>(history.bytes()) / 1e6;
    state.counters["steps"] = static_cast<double>(history.undoSteps());
}
BENCHMARK(BM_ObserveKeyEdit)->Unit(benchmark::kMicrosecond);

// Undo and Redo of one key: the whole document is put back each time.
void BM_UndoRedo(benchmark::State& state) {
    LargeDocument d;
    EditHistory history;
    history.start(d.view);
    (void)d.view.curves().current().insertAtCursor(keyAt(18));
    history.observe(d.view);
    for (auto _ : state) {
        history.undo(d.view);
        history.redo(d.view);
    }
}
BENCHMARK(BM_UndoRedo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orrery
