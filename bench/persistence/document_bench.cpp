// Writing and reading documents, and saving and loading a profile, at sizes
// a user meets: ten curves of twenty keys, and a fitted curve with data points.

#include <benchmark/benchmark.h>

#include <sstream>

#include "expression/key_table.h"
#include "persistence/document_reader.h"
#include "persistence/document_writer.h"
#include "persistence/memory_settings_store.h"
#include "persistence/profiles.h"

namespace orrery {
namespace {

struct Model {
    GraphSettings settings;
    GraphDocument document;
};

Model model(std::size_t curves, std::size_t points) {
    Model m;
    m.document.curves.assign(curves, Curve{});
    for (std::size_t i = 0; i < curves; ++i) {
        Curve& c = m.document.curves[i];
        for (int k = 0; k < 20; ++k) c.tokens.push_back(keyAt(3 + k % 25));
        for (std::size_t p = 0; p < points; ++p)
            c.originalPoints.push_back({static_cast<double>(p), 0.5 * static_cast<double>(p)});
        m.settings.limits.push_back(CurveLimits{});
    }
    m.document.text.text = "Grüße ÷ π";
    return m;
}

std::string bytesOf(Model m) {
    std::ostringstream out;
    WriteDocumentFile(out, m.settings, m.document);
    return out.str();
}

void BM_WriteDocument(benchmark::State& state) {
    Model m = model(static_cast<std::size_t>(state.range(0)), static_cast<std::size_t>(state.range(1)));
    for (auto _ : state) {
        std::ostringstream out;
        WriteDocumentFile(out, m.settings, m.document);
        benchmark::DoNotOptimize(out.str().size());
    }
}
BENCHMARK(BM_WriteDocument)->Args({10, 0})->Args({1, 10000});

void BM_ReadDocument(benchmark::State& state) {
    const std::string bytes =
        bytesOf(model(static_cast<std::size_t>(state.range(0)), static_cast<std::size_t>(state.range(1))));
    const GraphSettings current;
    for (auto _ : state) {
        std::istringstream in(bytes);
        auto result = ReadDocumentFile(in, current);
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ReadDocument)->Args({10, 0})->Args({1, 10000});

void BM_SaveAndLoadProfile(benchmark::State& state) {
    const GraphSettings saved = model(10, 0).settings;
    for (auto _ : state) {
        MemorySettingsStore store;
        SaveProfile(store, "lab", saved);
        GraphSettings loaded;
        LoadProfile(store, "lab", loaded);
        benchmark::DoNotOptimize(loaded);
    }
}
BENCHMARK(BM_SaveAndLoadProfile);

}  // namespace
}  // namespace orrery
