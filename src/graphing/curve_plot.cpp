#include "graphing/curve_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "expression/markers.h"
#include "graphing/calculus.h"
#include "graphing/graph_view.h"
#include "graphing/pole_test.h"

namespace orrery {

namespace {

constexpr std::int32_t kMargin = GraphView::kMargin;

// Truncates a pixel position toward zero; positions past what an int holds
// are pinned to the sentinel magnitude, so they stay off the picture.
std::int32_t truncatePixel(double p) {
    if (p >= kRowLimit) return kRowLimit;
    if (p <= -kRowLimit) return -kRowLimit;
    return static_cast<std::int32_t>(p);
}

// Sample k of n on the graph's x range: the curve's own interval sits at
// domainOffset and spans domainScale of it.
double columnAt(std::int32_t k, std::int32_t n, double domainOffset, double domainScale,
                std::int32_t width) {
    return kMargin + (width - 2.0 * kMargin) * (domainOffset + k * domainScale / (n - 1));
}

PenStyle penStyleOf(std::int32_t lineStyle) {
    return lineStyle >= 0 && lineStyle <= 3 ? static_cast<PenStyle>(lineStyle) : PenStyle::Solid;
}

// The row rule for one sample; inline so the mapping loop stays a plain loop.
inline std::int32_t rowOf(double y, double yMax, double scaledHeight, double yRange) {
    if (isNoValue(y)) return kRowBelow;
    const double p = (yMax - y) * scaledHeight / yRange + kMargin;
    if (p < -32000.0) return kRowAbove;
    if (!(p <= kRowLimit)) return kRowBelow;  // far below, or no row at all (NaN)
    return static_cast<std::int32_t>(p);
}

// Pixels of every sample, then the runs of joined neighbours. With the
// curve's program and grid, neighbours a whole picture apart are joined only
// when no pole or jump lies between them.
void mapLine(std::span<const double> values, const Curve& curve, std::int32_t width,
             std::int32_t height, PlotLine& out, const CompiledExpression* program = nullptr,
             std::span<const double> xs = {}) {
    const auto n = static_cast<std::int32_t>(values.size());
    const double yMax = curve.limits.yMax;
    const double yRange = curve.limits.yMax - curve.limits.yMin;
    const double scaledHeight = height - 2.0 * kMargin;
    out.points.resize(values.size());
    for (std::int32_t k = 0; k < n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const double column = columnAt(k, n, curve.domainOffset, curve.domainScale, width);
        const bool placed = !std::isnan(column);
        out.points[i].x = placed ? truncatePixel(column) : 0;
        out.points[i].y = placed ? rowOf(values[i], yMax, scaledHeight, yRange) : kRowBelow;
    }

    const auto joined = [&](std::uint32_t k) {
        if (program == nullptr) return true;
        const std::int64_t rise = std::int64_t{out.points[k].y} - out.points[k - 1].y;
        if (std::llabs(rise) <= scaledHeight) return true;
        return !breaksBetween([program](double x) { return program->evaluate(x); }, xs[k - 1],
                              values[k - 1], xs[k], values[k], yRange);
    };

    out.runs.clear();
    bool previousDrawable = false;
    for (std::uint32_t k = 0; k < values.size(); ++k) {
        const bool drawable = drawableRow(out.points[k].y);
        if (drawable && previousDrawable && joined(k)) {
            if (out.runs.empty() || out.runs.back().first + out.runs.back().count != k)
                out.runs.push_back(PointRun{k - 1, 2});
            else
                ++out.runs.back().count;
        }
        previousDrawable = drawable;
    }
}

bool anySampleInside(std::span<const double> values, double yMin, double yMax) {
    return std::any_of(values.begin(), values.end(),
                       [&](double y) { return yMin < y && y < yMax; });
}

// Data points sit on the graph's x range, as the samples of their curve do
// (through domainOffset and domainScale), and on the curve's own y range.
void markDataPoints(const Curve& curve, std::int32_t width, std::int32_t height,
                    DataPointMarks& out) {
    const CurveLimits& l = curve.limits;
    for (const DataPoint& p : curve.originalPoints) {
        const double fraction =
            curve.domainOffset + curve.domainScale * (p.x - l.xMin) / (l.xMax - l.xMin);
        const double column = kMargin + (width - 2.0 * kMargin) * fraction;
        const double row = kMargin + (height - 2.0 * kMargin) * (l.yMax - p.y) / (l.yMax - l.yMin);
        if (!(std::fabs(column) < kRowLimit) || !(std::fabs(row) < kRowLimit)) continue;
        out.centres.push_back(
            PixelPoint{static_cast<std::int32_t>(column), static_cast<std::int32_t>(row)});
    }
}

}  // namespace

std::int32_t sampleRow(double y, double yMin, double yMax, std::int32_t height) {
    return rowOf(y, yMax, height - 2.0 * kMargin, yMax - yMin);
}

std::int32_t sampleColumn(std::int32_t k, std::int32_t n, double domainOffset, double domainScale,
                          std::int32_t width) {
    const double column = columnAt(k, n, domainOffset, domainScale, width);
    return std::isnan(column) ? 0 : truncatePixel(column);
}

std::size_t PlotLine::segmentCount() const {
    std::size_t segments = 0;
    for (const PointRun& run : runs) segments += run.count - 1;
    return segments;
}

void PlotLine::clear() {
    points.clear();
    runs.clear();
}

const std::vector<double>& CurvePlotter::grid(double xMin, double xMax, std::int32_t n) {
    if (n != gridCount_ || xMin != gridMin_ || xMax != gridMax_) {
        xs_ = sampleGrid(xMin, xMax, n);
        gridMin_ = xMin;
        gridMax_ = xMax;
        gridCount_ = n;
    }
    return xs_;
}

const PreparedExpression& CurvePlotter::prepared(const Curve& curve,
                                                 const ExpressionContext& context) {
    if (curve.index < 0) {
        uncached_ = prepareExpression(curve.tokens, context);
        return uncached_;
    }
    const auto i = static_cast<std::size_t>(curve.index);
    if (prepared_.size() <= i) prepared_.resize(i + 1);
    PreparedCurve& entry = prepared_[i];
    if (!entry.valid || entry.tokens != curve.tokens) {
        entry.expression = prepareExpression(curve.tokens, context);
        entry.tokens = curve.tokens;
        entry.valid = true;
    }
    return entry.expression;
}

void CurvePlotter::plotCurve(Curve& curve, GraphSettings& settings, std::int32_t width,
                             std::int32_t height, CurvePlot& out) {
    const std::int32_t index = curve.index;
    out.index = index;
    out.drawn = false;
    out.message.reset();
    out.line.clear();
    out.showDerivative = false;
    out.derivative.clear();
    out.originalPoints.centres.clear();
    if (curve.tokens.empty()) return;

    const CurveLimits& limits = curve.limits;
    const std::int32_t n = std::clamp(settings.pointCount(index), GraphSettings::kMinPointCount,
                                        GraphSettings::kMaxPointCount);
    ExpressionContext context;
    context.xMin = limits.xMin;
    context.xMax = limits.xMax;
    context.pointCount = n;
    context.curveIndex = index;
    const PreparedExpression& expression = prepared(curve, context);
    if (!expression.program) {
        out.message = expression.message;
        return;
    }
    values_.resize(static_cast<std::size_t>(n));
    expression.program->evaluate(grid(limits.xMin, limits.xMax, n), values_);

    const Classification found = classifySamples(values_);
    curve.valueState = static_cast<ValueState>(found.sampleClass);
    switch (found.sampleClass) {
        case SampleClass::Constant:
            curve.value = found.constantValue;
            curve.hasPointsInRange = true;
            break;
        case SampleClass::Varies:
            curve.hasPointsInRange = anySampleInside(values_, limits.yMin, limits.yMax);
            break;
        case SampleClass::Undefined:
            curve.hasPointsInRange = false;
            break;
    }

    const ColorRef color = settings.curveColor(index);
    out.pen = PlotPen{penStyleOf(settings.lineStyle(index)),
                      std::clamp(settings.thickness(index), 1, 10), color};
    mapLine(values_, curve, width, height, out.line, &*expression.program, xs_);

    if (curve.showDerivative) {
        slopes_.resize(values_.size());
        derivativeSamples(values_, limits.xMin, limits.xMax, slopes_);
        out.showDerivative = true;
        out.derivativePen = PlotPen{PenStyle::Dot, 1, color};
        mapLine(slopes_, curve, width, height, out.derivative);
    }

    if (!curve.originalPoints.empty() && settings.showOriginal(index)) {
        out.originalPoints.radius = std::min(width / 100, height / 60);
        out.originalPoints.fill = settings.originalPointColor(index);
        markDataPoints(curve, width, height, out.originalPoints);
    }
    out.drawn = true;
}

void CurvePlotter::plotGraph(GraphView& view, std::int32_t width, std::int32_t height,
                             GraphPlot& out) {
    std::vector<Curve>& curves = view.curves().curves();
    out.curves.resize(curves.size());
    out.anyFailed = false;
    for (std::size_t i = 0; i < curves.size(); ++i) {
        curves[i].index = static_cast<std::int32_t>(i);
        plotCurve(curves[i], view.settings(), width, height, out.curves[i]);
        out.anyFailed = out.anyFailed || !out.curves[i].drawn;
    }
}

CurvePlot plotCurve(Curve& curve, GraphSettings& settings, std::int32_t width,
                    std::int32_t height) {
    CurvePlot plot;
    CurvePlotter().plotCurve(curve, settings, width, height, plot);
    return plot;
}

GraphPlot plotGraph(GraphView& view, std::int32_t width, std::int32_t height) {
    GraphPlot plot;
    CurvePlotter().plotGraph(view, width, height, plot);
    return plot;
}

}  // namespace orrery
