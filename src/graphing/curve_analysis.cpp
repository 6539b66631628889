#include "graphing/curve_analysis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include <boost/math/tools/minima.hpp>
#include <boost/math/tools/roots.hpp>

#include "expression/curve_evaluation.h"
#include "expression/markers.h"
#include "graphing/pole_test.h"

namespace orrery {
namespace {

constexpr double kEps = std::numeric_limits<double>::epsilon();
// An extremum this small beside its neighbours is the curve touching zero.
constexpr double kTouchingRatio = 1e-9;
// A solved sign change whose value is not this small beside the bracket's
// values was a jump that the pole test let through.
constexpr double kResidualRatio = 1e-6;
constexpr int kPolishSteps = 64;

struct Grid {
    std::vector<double> xs;
    std::vector<double> ys;
};

Grid sampled(const AnalysedFunction& f, double xMin, double xMax, std::int32_t gridPoints) {
    Grid grid;
    const std::int32_t intervals = std::max(gridPoints, kAnalysisMinimumGrid);
    grid.xs = sampleGrid(xMin, xMax, intervals + 1);
    grid.xs.back() = xMax;  // the end itself, not a rounding of it
    grid.ys.resize(grid.xs.size());
    f.batch(grid.xs, grid.ys);
    return grid;
}

bool intervalUsable(double xMin, double xMax) {
    // The width too: the grid's step comes from it.
    return std::isfinite(xMin) && std::isfinite(xMax) && xMin < xMax && std::isfinite(xMax - xMin);
}

// A pole or jump between two defined samples, judged at the scale of their
// own rise: a continuous curve's rise soon shrinks when the interval halves.
bool breaks(const AnalysedFunction& f, double xa, double ya, double xb, double yb) {
    return breaksBetween(f.at, xa, ya, xb, yb, std::fabs(yb - ya) / 4);
}

bool sameX(double a, double b) { return std::fabs(a - b) <= 4 * kEps * std::max(std::fabs(a), std::fabs(b)); }

// The double in [lo, hi] with the smallest |f|, when few doubles lie there.
AnalysisPoint polish(const AnalysedFunction& f, double lo, double hi) {
    AnalysisPoint best{lo, f.at(lo)};
    double x = lo;
    for (int step = 0; step < kPolishSteps && x < hi; ++step) {
        x = std::nextafter(x, hi);
        const double y = f.at(x);
        if (!isNoValue(y) && std::fabs(y) < std::fabs(best.y)) best = {x, y};
    }
    if (x < hi) {  // too wide to walk: compare the far end too
        const double y = f.at(hi);
        if (!isNoValue(y) && std::fabs(y) < std::fabs(best.y)) best = {hi, y};
    }
    return best;
}

// Solves a sign change between two defined samples; none when it is a pole or a jump.
std::optional<AnalysisPoint> solveBracket(const AnalysedFunction& f, double xa, double ya, double xb,
                                          double yb) {
    if (breaks(f, xa, ya, xb, yb)) return std::nullopt;
    std::uintmax_t iterations = 200;
    auto close = [](double a, double b) {
        return std::fabs(b - a) <= 2 * kEps * std::min(std::fabs(a), std::fabs(b)) ||
               std::nextafter(a, b) == b;
    };
    double lo = xa;
    double hi = xb;
    try {
        const auto range = boost::math::tools::toms748_solve(f.at, xa, xb, ya, yb, close, iterations);
        lo = range.first;
        hi = range.second;
    } catch (const std::exception&) {
        return std::nullopt;
    }
    const AnalysisPoint root = polish(f, lo, hi);
    if (isNoValue(root.y) || std::fabs(root.y) > kResidualRatio * std::max(std::fabs(ya), std::fabs(yb)))
        return std::nullopt;
    return root;
}

struct LocalExtremum {
    Extremum point;
    double neighbourScale = 0.0;  // the larger |y| at the bracket's ends
};

// Local extrema from sign changes of the grid's differences, each refined by
// Brent's method within its bracket of defined, unbroken samples.
std::vector<LocalExtremum> localExtrema(const AnalysedFunction& f, const Grid& grid) {
    std::vector<LocalExtremum> found;
    const std::vector<double>& xs = grid.xs;
    const std::vector<double>& ys = grid.ys;
    int previousSign = 0;
    std::size_t previousStart = 0;  // where the last rising or falling interval began
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        if (isNoValue(ys[i]) || isNoValue(ys[i + 1])) {
            previousSign = 0;
            continue;
        }
        const int sign = (ys[i + 1] > ys[i]) - (ys[i + 1] < ys[i]);
        if (sign == 0) continue;
        if (previousSign != 0 && sign != previousSign) {
            const std::size_t first = previousStart;
            const std::size_t last = i + 1;
            bool broken = false;
            for (std::size_t k = first; k < last && !broken; ++k)
                broken = breaks(f, xs[k], ys[k], xs[k + 1], ys[k + 1]);
            if (!broken) {
                const bool maximum = previousSign > 0;
                const double flip = maximum ? -1.0 : 1.0;
                auto g = [&](double x) {
                    const double y = f.at(x);
                    return isNoValue(y) ? std::numeric_limits<double>::infinity() : flip * y;
                };
                const auto [bx, by] = boost::math::tools::brent_find_minima(
                    g, xs[first], xs[last], std::numeric_limits<double>::digits);
                // The best sample stands when the solver lands somewhere worse.
                std::size_t bestSample = first;
                for (std::size_t k = first; k <= last; ++k)
                    if (flip * ys[k] < flip * ys[bestSample]) bestSample = k;
                Extremum point{bx, flip * by, maximum ? ExtremumKind::Maximum : ExtremumKind::Minimum};
                if (!std::isfinite(by) || flip * ys[bestSample] < by)
                    point = {xs[bestSample], ys[bestSample], point.kind};
                // A smooth turn lies within the samples' own spread of the best
                // one; far beyond it the bracket held a pole that both sides
                // climb towards (1/x² at 0), which halving can step past.
                double spread = 0.0;
                for (std::size_t k = first; k <= last; ++k)
                    spread = std::max(spread, std::fabs(ys[k] - ys[bestSample]));
                if (std::fabs(point.y - ys[bestSample]) <= 2 * spread)
                    found.push_back({point, std::max(std::fabs(ys[first]), std::fabs(ys[last]))});
            }
        }
        previousSign = sign;
        previousStart = i;
    }
    return found;
}

bool touchesZero(const LocalExtremum& e) {
    return std::fabs(e.point.y) <= kTouchingRatio * e.neighbourScale;
}

}  // namespace

AnalysedFunction analysedCurve(const CompiledExpression& program) {
    return {[&program](std::span<const double> xs, std::span<double> out) { program.evaluate(xs, out); },
            [&program](double x) { return program.evaluate(x); }};
}

AnalysedFunction analysedDifference(const CompiledExpression& f, const CompiledExpression& g) {
    auto difference = [](double a, double b) {
        if (isNoValue(a) || isNoValue(b)) return kUndefinedHigh;
        const double d = a - b;
        return isNoValue(d) ? kUndefinedHigh : d;
    };
    return {[&f, &g, difference](std::span<const double> xs, std::span<double> out) {
                std::vector<double> other(xs.size());
                f.evaluate(xs, out);
                g.evaluate(xs, other);
                for (std::size_t i = 0; i < xs.size(); ++i) out[i] = difference(out[i], other[i]);
            },
            [&f, &g, difference](double x) { return difference(f.evaluate(x), g.evaluate(x)); }};
}

std::vector<AnalysisPoint> findZeros(const AnalysedFunction& f, double xMin, double xMax,
                                     std::int32_t gridPoints) {
    if (!intervalUsable(xMin, xMax)) return {};
    Grid grid = sampled(f, xMin, xMax, gridPoints);
    std::vector<AnalysisPoint> zeros;
    // Extrema join the grid as nodes: two zeros closer than one interval show
    // as a sign change on either side of the extremum between them.
    std::vector<AnalysisPoint> nodes;
    nodes.reserve(grid.xs.size());
    const std::vector<LocalExtremum> extrema = localExtrema(f, grid);
    auto extremum = extrema.begin();
    for (std::size_t i = 0; i < grid.xs.size(); ++i) {
        for (; extremum != extrema.end() && extremum->point.x <= grid.xs[i]; ++extremum) {
            if (touchesZero(*extremum)) zeros.push_back({extremum->point.x, extremum->point.y});
            else if (extremum->point.x < grid.xs[i]) nodes.push_back({extremum->point.x, extremum->point.y});
        }
        nodes.push_back({grid.xs[i], grid.ys[i]});
    }
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const AnalysisPoint& a = nodes[i];
        if (a.y == 0.0) zeros.push_back(a);
        if (i + 1 == nodes.size()) break;
        const AnalysisPoint& b = nodes[i + 1];
        if (isNoValue(a.y) || isNoValue(b.y) || a.y == 0.0 || b.y == 0.0) continue;
        if ((a.y < 0) == (b.y < 0)) continue;
        if (const auto root = solveBracket(f, a.x, a.y, b.x, b.y)) zeros.push_back(*root);
    }
    std::sort(zeros.begin(), zeros.end(), [](const AnalysisPoint& a, const AnalysisPoint& b) { return a.x < b.x; });
    zeros.erase(std::unique(zeros.begin(), zeros.end(),
                            [](const AnalysisPoint& a, const AnalysisPoint& b) { return sameX(a.x, b.x); }),
                zeros.end());
    return zeros;
}

std::vector<Extremum> findExtrema(const AnalysedFunction& f, double xMin, double xMax,
                                  std::int32_t gridPoints) {
    if (!intervalUsable(xMin, xMax)) return {};
    const Grid grid = sampled(f, xMin, xMax, gridPoints);
    std::vector<Extremum> result;
    if (!isNoValue(grid.ys.front())) result.push_back({xMin, grid.ys.front(), ExtremumKind::End});
    for (const LocalExtremum& e : localExtrema(f, grid)) result.push_back(e.point);
    if (!isNoValue(grid.ys.back())) result.push_back({xMax, grid.ys.back(), ExtremumKind::End});
    return result;
}

std::vector<AnalysisPoint> findIntersections(const CompiledExpression& f,
                                             const CompiledExpression& g, double xMin,
                                             double xMax, std::int32_t gridPoints) {
    std::vector<AnalysisPoint> meetings = findZeros(analysedDifference(f, g), xMin, xMax, gridPoints);
    for (AnalysisPoint& p : meetings) p.y = f.evaluate(p.x);
    return meetings;
}

}  // namespace orrery

namespace orrery {

std::optional<UserMessage> analysisIntervalProblem(double xMin, double xMax) {
    if (intervalUsable(xMin, xMax)) return std::nullopt;
    return UserMessage{"Analysis", "The interval needs two finite numbers with XMIN less than XMAX.",
                       MessageIcon::Warning, MessageButtons::Ok};
}

}  // namespace orrery
