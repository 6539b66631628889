#include "graphing/calculus.h"

#include <algorithm>
#include <cmath>

#include "common/c_numeric.h"
#include "expression/curve_evaluation.h"
#include "expression/markers.h"

namespace orrery {

namespace {

// The undefined marker for a difference that is missing or overflowed, so
// every consumer sees one kind of "no value".
double definedOrMarker(double v) {
    return isNoValue(v) ? kUndefinedHigh : v;
}

// The dialog's bar: range 0 to kSimpsonProgressSteps. Small point counts
// would step past the end, so the position stops there.
class ProgressBar {
  public:
    explicit ProgressBar(const SimpsonProgress& report) : report_(report) {
        if (report_) report_(0);
    }
    void advance() {
        if (position_ >= kSimpsonProgressSteps) return;
        ++position_;
        if (report_) report_(position_);
    }

  private:
    const SimpsonProgress& report_;
    std::int32_t position_ = 0;
};

}  // namespace

void derivativeSamples(std::span<const double> values, double xMin, double xMax,
                       std::span<double> out) {
    const std::size_t n = std::min(values.size(), out.size());
    if (n < 2) {
        std::fill_n(out.begin(), n, kUndefinedHigh);
        return;
    }
    const double h = (xMax - xMin) / static_cast<double>(n - 1);
    auto slope = [&](std::size_t from, std::size_t to, double width) {
        if (isNoValue(values[from]) || isNoValue(values[to])) return kUndefinedHigh;
        return definedOrMarker((values[to] - values[from]) / width);
    };
    out[0] = slope(0, 1, h);
    for (std::size_t k = 1; k + 1 < n; ++k) out[k] = slope(k - 1, k + 1, 2 * h);
    out[n - 1] = slope(n - 2, n - 1, h);
}

std::vector<double> derivativeSamples(std::span<const double> values, double xMin, double xMax) {
    std::vector<double> out(values.size());
    derivativeSamples(values, xMin, xMax, out);
    return out;
}

std::int32_t simpsonPointCount(std::int32_t n) {
    n = std::clamp(n, kSimpsonMinPoints, kSimpsonMaxPoints);
    return n % 2 == 0 ? n + 1 : n;
}

std::optional<double> simpson(const std::vector<ExpressionToken>& tokens, std::int32_t curveIndex,
                              double a, double b, std::int32_t& n,
                              const SimpsonProgress& progress) {
    if (tokens.empty()) return std::nullopt;
    n = simpsonPointCount(n);
    // Bounds that are not finite, or too far apart to subtract, have no grid.
    if (!std::isfinite(b - a)) return std::nullopt;

    ExpressionContext context;
    context.xMin = a;
    context.xMax = b;
    context.pointCount = n;
    context.curveIndex = curveIndex;
    const PreparedExpression prepared = prepareExpression(tokens, context);
    if (!prepared.program) return std::nullopt;
    const std::vector<double> xs = sampleGrid(a, b, n);
    std::vector<double> y(xs.size());
    // Sampling is the slow part: it runs block by block inside the first
    // pass, so the bar follows the work and a discontinuity stops it early.
    auto sample = [&](std::int32_t from, std::int32_t to) {
        const auto first = static_cast<std::size_t>(from);
        const auto count = static_cast<std::size_t>(to - from);
        prepared.program->evaluate(std::span(xs).subspan(first, count),
                                   std::span(y).subspan(first, count));
    };

    ProgressBar bar(progress);
    const std::int32_t firstStep = std::max(1, n / 15);
    sample(0, 1);
    std::int32_t sampled = 1;
    for (std::int32_t k = 1; k < n; ++k) {
        if (k == sampled) {
            sampled = std::min(n, k + firstStep);
            sample(k, sampled);
        }
        if (k % firstStep == 0) bar.advance();
        if (isNoValue(y[static_cast<std::size_t>(k)])) return std::nullopt;
    }
    // Only y0 can still be undefined here; its triple is left out of the sum.
    const std::int32_t secondStep = std::max(1, n / 30);
    double sum = 0.0;
    for (std::int32_t j = 0; j < n / 2; ++j) {
        if (j % secondStep == 0) bar.advance();
        const std::size_t i = 2 * static_cast<std::size_t>(j);
        if (isNoValue(y[i]) || isNoValue(y[i + 1]) || isNoValue(y[i + 2])) continue;
        sum += y[i] + 4 * y[i + 1] + y[i + 2];
    }
    const double integral = sum * (b - a) / (3.0 * n - 3.0);
    // A sum that overflowed is no integral, not "inf".
    if (isNoValue(integral)) return std::nullopt;
    return integral;
}

std::vector<std::string> simpsonReport(std::int32_t n, double a, double b, double integral) {
    return {formatC("Using %d points in the approximation,", n),
            formatC("over the interval [ %lf, %lf ]", a, b), formatC("INTEGRAL = %lf\n", integral)};
}

}  // namespace orrery
