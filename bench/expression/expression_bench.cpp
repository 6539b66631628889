// Samples per second when a curve is sampled at 500 points over -5..5, for
// the reference engine, the compiled engine, muparser and direct C++.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "expression/compiled_expression.h"
#include "expression/curve_evaluation.h"
#include "expression/reduction_engine.h"
#include "expression/typing.h"

namespace {

using orrery::CompiledExpression;
using orrery::ExpressionContext;
using orrery::ParseItemList;

struct Subject {
    const char* typed;    // as typed on the calculator
    const char* muparser;
    double (*direct)(double);
};

// Direct C++ calls the math functions the engine must call (pow, cbrtl, the
// sinh formula), so the ratio measures the engine, not the library.
double croot(double v) {
    if (v > 1e-06) return static_cast<double>(cbrtl(v));
    if (v < -1e-06) return -static_cast<double>(cbrtl(-v));
    return 0.0;
}
double sinhFormula(double v) { return (std::exp(v) - std::exp(-v)) * 0.5; }

const Subject kSubjects[] = {
    {"3sinx", "3*sin(x)", [](double x) { return 3 * std::sin(x); }},
    {"x^2-3x+2", "x^2-3*x+2", [](double x) { return x * x - 3 * x + 2; }},
    {"(x+1)(x-1)/(x^2+1)", "(x+1)*(x-1)/(x^2+1)",
     [](double x) { return (x + 1) * (x - 1) / (x * x + 1); }},
    {"sqrt(1-x^2)+ln(x^2+1)", "sqrt(1-x^2)+ln(x^2+1)",
     [](double x) { return std::sqrt(1 - x * x) + std::log(x * x + 1); }},
    {"e^(-x^2/2)/sqrt(2p)", "_e^(-x^2/2)/sqrt(2*_pi)",
     [](double x) { return std::pow(M_E, -(x * x) / 2) / std::sqrt(2 * M_PI); }},
    {"sin(x)^3+cos(2x)", "sin(x)^3+cos(2*x)",
     [](double x) { return std::pow(std::sin(x), 3.0) + std::cos(2 * x); }},
    {"arctan(x)*sinh(x/5)", "atan(x)*sinh(x/5)",
     [](double x) { return std::atan(x) * sinhFormula(x / 5); }},
    {"10^(x/5)-croot(x)", "10^(x/5)-croot(x)",
     [](double x) { return std::pow(10.0, x / 5) - croot(x); }},
};

constexpr int kPoints = 500;

const std::vector<double>& grid() {
    static const std::vector<double> xs = orrery::sampleGrid(-5, 5, kPoints);
    return xs;
}

ParseItemList itemsFor(const Subject& subject) {
    ParseItemList items;
    const auto typed = orrery::typeText(subject.typed, {}, true);
    if (!typed.messages.empty() || orrery::normalisedItems(typed.tokens, {}, items))
        throw std::runtime_error(std::string("cannot prepare ") + subject.typed);
    return items;
}

void setRate(benchmark::State& state) {
    state.counters["samples/s"] =
        benchmark::Counter(kPoints, benchmark::Counter::kIsIterationInvariantRate);
}

void Reference(benchmark::State& state, const Subject& subject) {
    const ParseItemList items = itemsFor(subject);
    const ExpressionContext context;
    for (auto _ : state)
        for (double x : grid()) benchmark::DoNotOptimize(orrery::evaluate(context, items, x).value);
    setRate(state);
}

void Compiled(benchmark::State& state, const Subject& subject) {
    const auto compiled = CompiledExpression::compile({}, itemsFor(subject));
    const CompiledExpression& program = std::get<CompiledExpression>(compiled);
    std::vector<double> out(kPoints);
    for (auto _ : state) {
        program.evaluate(grid(), out);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    setRate(state);
}

double muCroot(double v) { return croot(v); }

// One point at a time, on one thread.
void Muparser(benchmark::State& state, const Subject& subject) {
    mu::Parser parser;
    double x = 0;
    parser.DefineVar("x", &x);
    parser.DefineFun("croot", muCroot);
    parser.SetExpr(subject.muparser);
    std::vector<double> out(kPoints);
    for (auto _ : state) {
        for (int i = 0; i < kPoints; ++i) {
            x = grid()[static_cast<std::size_t>(i)];
            out[static_cast<std::size_t>(i)] = parser.Eval();
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    setRate(state);
}

void Direct(benchmark::State& state, const Subject& subject) {
    std::vector<double> out(kPoints);
    for (auto _ : state) {
        for (int i = 0; i < kPoints; ++i)
            out[static_cast<std::size_t>(i)] = subject.direct(grid()[static_cast<std::size_t>(i)]);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    setRate(state);
}

[[maybe_unused]] const bool registered = [] {
    for (const Subject& subject : kSubjects) {
        const std::string name = subject.typed;
        benchmark::RegisterBenchmark(("reference/" + name).c_str(), Reference, subject);
        benchmark::RegisterBenchmark(("compiled/" + name).c_str(), Compiled, subject);
        benchmark::RegisterBenchmark(("muparser/" + name).c_str(), Muparser, subject);
        benchmark::RegisterBenchmark(("direct/" + name).c_str(), Direct, subject);
    }
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
