// Reading two columns of 100000 rows (65536 in a .xls, all it holds) from
// workbooks saved by LibreOffice, as the fitting dialogs do. The files are
// made by tests/fitting/data/make_office_fixtures.py --big into
// build/default/bench-sheets, or the folder named by ORRERY_BENCH_SHEETS.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "fitting/range_reader.h"

namespace orrery {
namespace {

std::string sheetFile(const char* name) {
    const char* folder = std::getenv("ORRERY_BENCH_SHEETS");
    return std::string(folder ? folder : ORRERY_BENCH_SHEETS) + "/" + name;
}

void BM_ReadTwoColumns(benchmark::State& state, const char* name, int rows) {
    const std::string path = sheetFile(name);
    if (!std::filesystem::exists(path)) {
        state.SkipWithError(("no " + path + ": run make_office_fixtures.py --big first").c_str());
        return;
    }
    const std::string bottom = "B" + std::to_string(rows);
    for (auto _ : state) {
        const RangeRead read = readRange(path, "Sheet1", "A1", bottom);
        if (read.status != kReadOk || read.x.size() != static_cast<std::size_t>(rows)) {
            state.SkipWithError("the sheet did not read");
            break;
        }
        benchmark::DoNotOptimize(read.y.data());
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

BENCHMARK_CAPTURE(BM_ReadTwoColumns, xlsx, "big.xlsx", 100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadTwoColumns, ods, "big.ods", 100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadTwoColumns, csv, "big.csv", 100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadTwoColumns, xls, "big.xls", 65536)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orrery
