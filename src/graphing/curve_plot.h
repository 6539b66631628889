#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "common/user_message.h"
#include "expression/curve_evaluation.h"
#include "graphing/color_ref.h"
#include "graphing/curve.h"
#include "graphing/graph_settings.h"

namespace orrery {

class GraphView;

// A position in window pixels. Laid out as two ints, like QPoint, so a
// painter can stroke a run of these in place.
struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Rows that mark a sample as not drawable: undefined, or too far away.
inline constexpr std::int32_t kRowBelow = 2147483647;
inline constexpr std::int32_t kRowAbove = -2147483647;
// Rows of this magnitude or more are never joined.
inline constexpr std::int32_t kRowLimit = 2147483646;

inline bool drawableRow(std::int32_t row) {
    return row < kRowLimit && row > -kRowLimit;
}

// The pixel row of a sample y on a curve with vertical range [yMin, yMax] in a
// picture `height` pixels high (20-pixel margin, truncated toward zero).
// Undefined samples and rows beyond 32000 pixels above the picture or past
// kRowLimit below it get a sentinel.
std::int32_t sampleRow(double y, double yMin, double yMax, std::int32_t height);

// The pixel column of sample k of n, placed on the graph's x range through
// the curve's domainOffset and domainScale.
std::int32_t sampleColumn(std::int32_t k, std::int32_t n, double domainOffset, double domainScale,
                          std::int32_t width);

// Consecutive points to stroke as one polyline: points[first, first + count).
struct PointRun {
    std::uint32_t first = 0;
    std::uint32_t count = 0;
    friend bool operator==(const PointRun&, const PointRun&) = default;
};

// A sampled line: one point per sample, and the runs of at least two
// neighbouring drawable points. Two samples are joined only when both rows
// are drawable, which breaks the line at gaps and poles.
struct PlotLine {
    std::vector<PixelPoint> points;
    std::vector<PointRun> runs;

    std::size_t segmentCount() const;
    void clear();
};

enum class PenStyle : std::int32_t { Solid = 0, Dash = 1, Dot = 2, DashDot = 3 };

struct PlotPen {
    PenStyle style = PenStyle::Solid;
    std::int32_t width = 1;
    ColorRef color = 0;
    friend bool operator==(const PlotPen&, const PlotPen&) = default;
};

// The original data points of a fitted curve: filled circles outlined in
// black. Centres too far off the picture to be seen are left out.
struct DataPointMarks {
    std::vector<PixelPoint> centres;
    std::int32_t radius = 0;
    ColorRef fill = 0;
};

// Everything a painter needs to draw one curve, in drawing order: the line,
// its derivative, the data points.
struct CurvePlot {
    std::int32_t index = 0;
    bool drawn = false;                  // false: no tokens, or the evaluator refused
    std::optional<UserMessage> message;  // the refusal, for the window to show
    PlotPen pen;
    PlotLine line;
    bool showDerivative = false;
    PlotPen derivativePen;
    PlotLine derivative;
    DataPointMarks originalPoints;
};

// Every curve of a view, in order.
struct GraphPlot {
    std::vector<CurvePlot> curves;
    bool anyFailed = false;  // some curve was not drawn
};

// Samples and maps curves for a picture. Keeps its sample buffers (and each
// plot keeps its own), so re-plotting on every repaint does not allocate once
// the sizes have settled.
class CurvePlotter {
  public:
    // Draws one curve as data for a width x height picture and writes the
    // classification (valueState, value, hasPointsInRange) into the curve;
    // both stay as they were when nothing is drawn. Uses the curve's index
    // for its settings.
    void plotCurve(Curve& curve, GraphSettings& settings, std::int32_t width, std::int32_t height,
                   CurvePlot& out);

    // Every curve of the view, each given its index first. Whether the
    // picture shows curves at all is the caller's choice.
    void plotGraph(GraphView& view, std::int32_t width, std::int32_t height, GraphPlot& out);

  private:
    const std::vector<double>& grid(double xMin, double xMax, std::int32_t n);
    const PreparedExpression& prepared(const Curve& curve, const ExpressionContext& context);

    // The last compiled form of each curve's expression, by curve index:
    // repaints recompile only what was edited.
    struct PreparedCurve {
        bool valid = false;
        std::vector<ExpressionToken> tokens;
        PreparedExpression expression;
    };
    std::vector<PreparedCurve> prepared_;
    PreparedExpression uncached_;

    std::vector<double> xs_;
    double gridMin_ = 0.0;
    double gridMax_ = 0.0;
    std::int32_t gridCount_ = 0;
    std::vector<double> values_;
    std::vector<double> slopes_;
};

// One-off forms of the above.
CurvePlot plotCurve(Curve& curve, GraphSettings& settings, std::int32_t width, std::int32_t height);
GraphPlot plotGraph(GraphView& view, std::int32_t width, std::int32_t height);


}  // namespace orrery
