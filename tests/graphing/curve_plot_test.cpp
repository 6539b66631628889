#include "graphing/curve_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>

#include "common/c_numeric.h"
#include "expression/markers.h"
#include "graphing/graph_view.h"
#include "support/case_file.h"
#include "typed_curve.h"

namespace orrery {
namespace {

using testing::curveOf;
using testing::typed;

double sampleValue(const std::string& text) {
    if (text == "High") return kUndefinedHigh;
    if (text == "Low") return kUndefinedLow;
    if (text == "nan") return std::numeric_limits<double>::quiet_NaN();
    return parseDoubleC(text);
}

TEST(SampleRows, CasesFile) {
    testing::forEachCase(ORRERY_TEST_DATA_DIR "/sample_rows.txt", 18, [](const testing::Case& c) {
        ASSERT_EQ(c.fields.size(), 5u);
        EXPECT_EQ(sampleRow(sampleValue(c.fields[0]), parseDoubleC(c.fields[1]),
                            parseDoubleC(c.fields[2]), std::stoi(c.fields[3])),
                  std::stoi(c.fields[4]));
    });
}

TEST(SampleColumns, GraphRangeThroughDomainScaleAndOffset) {
    // The curve's whole domain on the graph: 500 samples from 20 to 420.
    EXPECT_EQ(sampleColumn(0, 500, 0.0, 1.0, 440), 20);
    EXPECT_EQ(sampleColumn(499, 500, 0.0, 1.0, 440), 420);
    EXPECT_EQ(sampleColumn(1, 500, 0.0, 1.0, 440), 20);  // 20.8 truncated
    // Domain 0..5 on a graph of -10..10: a quarter of the width from the middle.
    EXPECT_EQ(sampleColumn(0, 6, 0.5, 0.25, 440), 220);
    EXPECT_EQ(sampleColumn(5, 6, 0.5, 0.25, 440), 320);
    // Left of the picture truncates toward zero, and absurd scales stay ints.
    EXPECT_EQ(sampleColumn(0, 2, -0.06, 1.0, 440), -4);
    EXPECT_EQ(sampleColumn(1, 2, 0.0, 1e300, 440), kRowLimit);
    EXPECT_EQ(sampleColumn(1, 2, 0.0, std::nan(""), 440), 0);
}

std::string describeRuns(const PlotLine& line) {
    std::string text;
    for (const PointRun& run : line.runs)
        text +=
            (text.empty() ? "" : " ") + std::to_string(run.first) + "+" + std::to_string(run.count);
    return text.empty() ? "-" : text;
}

TEST(CurvePlot, ClassesFile) {
    testing::forEachCase(ORRERY_TEST_DATA_DIR "/curve_classes.txt", 12, [](const testing::Case& c) {
        ASSERT_EQ(c.fields.size(), 7u);
        CurveLimits limits;
        std::istringstream(c.fields[1]) >> limits.xMin >> limits.xMax >> limits.yMin >> limits.yMax;
        GraphSettings settings;
        settings.setPointCount(0, std::stoi(c.fields[2]), false);
        Curve curve = curveOf(c.fields[0], limits);
        const CurvePlot plot = plotCurve(curve, settings, 440, 440);
        ASSERT_TRUE(plot.drawn);
        const char* states[] = {"varies", "constant", "undefined"};
        EXPECT_EQ(states[static_cast<int>(curve.valueState)], c.fields[3]);
        if (c.fields[4] != "-") {
            EXPECT_EQ(curve.value, parseDoubleC(c.fields[4]));
        }
        EXPECT_EQ(curve.hasPointsInRange ? "yes" : "no", c.fields[5]);
        EXPECT_EQ(describeRuns(plot.line), c.fields[6]);
    });
}

// Neighbouring samples a whole picture apart are joined only when no pole or
// jump lies between them: steep continuous curves stay whole.
TEST(CurvePlot, PolesAndJumpsBreakTheLineSteepCurvesDoNot) {
    struct Case {
        const char* text;
        double yMin, yMax;
        std::size_t breaks;  // pairs of drawable neighbours left unjoined
    };
    // tan x has four poles on -5 .. 5; 1/x^2 rises above the picture on both sides.
    for (const Case& c : {Case{"1/x", -5, 5, 1}, Case{"tan x", -100, 100, 4}, Case{"1/x^2", -5, 5, 0},
                          Case{"x^51", -5, 5, 0}, Case{"arctan(1000x)", -1, 1, 0}, Case{"1000x", -5, 5, 0},
                          Case{"x^3", -0.001, 0.001, 0}}) {
        GraphSettings settings;
        Curve curve = curveOf(c.text);
        curve.limits.yMin = c.yMin;
        curve.limits.yMax = c.yMax;
        const CurvePlot plot = plotCurve(curve, settings, 440, 440);
        ASSERT_TRUE(plot.drawn) << c.text;
        std::size_t drawablePairs = 0;
        for (std::size_t k = 1; k < plot.line.points.size(); ++k)
            drawablePairs += drawableRow(plot.line.points[k - 1].y) && drawableRow(plot.line.points[k].y);
        EXPECT_EQ(drawablePairs - plot.line.segmentCount(), c.breaks) << c.text;
    }
}

TEST(CurvePlot, PointCountsOutsideThePlotRangeAreBroughtInside) {
    GraphSettings settings;
    Curve curve = curveOf("x");
    settings.pointCounts[0] = 1;
    EXPECT_EQ(plotCurve(curve, settings, 440, 440).line.points.size(), 2u);
    settings.pointCounts[0] = -7;
    EXPECT_EQ(plotCurve(curve, settings, 440, 440).line.points.size(), 2u);
    settings.pointCounts[0] = 2000000000;
    EXPECT_EQ(plotCurve(curve, settings, 440, 440).line.points.size(), 30001u);
}

TEST(CurvePlot, NothingDrawnKeepsTheLastClassification) {
    GraphSettings settings;
    Curve curve = curveOf("3");
    plotCurve(curve, settings, 440, 440);
    ASSERT_EQ(curve.valueState, ValueState::Constant);

    curve.tokens.clear();
    CurvePlot plot = plotCurve(curve, settings, 440, 440);
    EXPECT_FALSE(plot.drawn);
    EXPECT_FALSE(plot.message);
    EXPECT_TRUE(plot.line.points.empty());
    EXPECT_EQ(curve.valueState, ValueState::Constant);

    curve.tokens = typed("3+");
    plot = plotCurve(curve, settings, 440, 440);
    EXPECT_FALSE(plot.drawn);
    ASSERT_TRUE(plot.message);
    EXPECT_NE(plot.message->caption.find("Curve"), std::string::npos) << plot.message->caption;
    EXPECT_TRUE(plot.line.points.empty());
    EXPECT_EQ(curve.valueState, ValueState::Constant);
    EXPECT_EQ(curve.value, 3.0);
}

TEST(CurvePlot, PenComesFromTheCurvesSettings) {
    GraphSettings settings;
    Curve curve = curveOf("x");
    curve.index = 2;
    settings.setLineStyle(2, 2, false);
    settings.setThickness(2, 3, false);
    settings.setColor(ColorKind::Curve, 2, makeRgb(1, 2, 3));
    const CurvePlot plot = plotCurve(curve, settings, 440, 440);
    EXPECT_EQ(plot.index, 2);
    EXPECT_EQ(plot.pen, (PlotPen{PenStyle::Dot, 3, makeRgb(1, 2, 3)}));
    EXPECT_FALSE(plot.showDerivative);

    settings.lineStyles[2] = 9;  // unknown styles draw solid
    settings.thicknesses[2] = 0;
    EXPECT_EQ(plotCurve(curve, settings, 440, 440).pen,
              (PlotPen{PenStyle::Solid, 1, makeRgb(1, 2, 3)}));
}

TEST(CurvePlot, DerivativeIsDottedInTheCurveColourOnTheSameRows) {
    GraphSettings settings;
    Curve curve = curveOf("2x");
    curve.showDerivative = true;
    const CurvePlot plot = plotCurve(curve, settings, 440, 440);
    ASSERT_TRUE(plot.showDerivative);
    EXPECT_EQ(plot.derivativePen, (PlotPen{PenStyle::Dot, 1, settings.curveColor(0)}));
    ASSERT_EQ(plot.derivative.points.size(), 500u);
    // y' = 2 up to rounding: row 140, or 139 where it came out a hair above 2.
    for (const PixelPoint& p : plot.derivative.points) EXPECT_NEAR(p.y, 140, 1);
    EXPECT_EQ(plot.derivative.points[7].x, plot.line.points[7].x);
    EXPECT_EQ(plot.derivative.segmentCount(), 499u);
}

TEST(CurvePlot, DataPointsSitOnTheirCurveWhenItsDomainIsNarrower) {
    GraphSettings settings;
    settings.setPointCount(0, 6, false);
    Curve curve = curveOf("x", CurveLimits{0, 5, -5, 5});
    curve.rescale(CurveLimits{-10, 10, -5, 5});
    curve.originalPoints = {{2, 2}, {5, 5}, {3, 1e300}};
    const CurvePlot plot = plotCurve(curve, settings, 440, 440);
    EXPECT_EQ(plot.originalPoints.radius, 4);  // min(440 / 100, 440 / 60)
    EXPECT_EQ(plot.originalPoints.fill, settings.originalPointColor(0));
    ASSERT_EQ(plot.originalPoints.centres.size(), 2u);  // the far one is left out
    EXPECT_EQ(plot.originalPoints.centres[0], plot.line.points[2]);
    EXPECT_EQ(plot.originalPoints.centres[1], plot.line.points[5]);
    EXPECT_EQ(plot.line.points[0].x, 220);

    settings.setShowOriginal(0, false);
    EXPECT_TRUE(plotCurve(curve, settings, 440, 440).originalPoints.centres.empty());
}

TEST(CurvePlot, ReusedPlotterAndPlotKeepNothingOfTheLastCurve) {
    GraphSettings settings;
    settings.setPointCount(0, 3, false);
    CurvePlotter plotter;
    CurvePlot plot;
    Curve curve = curveOf("x");
    curve.showDerivative = true;
    curve.originalPoints = {{0, 0}};
    plotter.plotCurve(curve, settings, 440, 440, plot);
    ASSERT_FALSE(plot.originalPoints.centres.empty());
    EXPECT_EQ(plot.line.points[2].y, 20);  // y = 5

    // The keys edited, the domain narrowed: a new expression on a new grid.
    curve.tokens = typed("x-1");
    curve.limits = CurveLimits{0, 2, -5, 5};
    curve.showDerivative = false;
    curve.originalPoints.clear();
    plotter.plotCurve(curve, settings, 440, 440, plot);
    EXPECT_FALSE(plot.showDerivative);
    EXPECT_TRUE(plot.derivative.points.empty());
    EXPECT_TRUE(plot.originalPoints.centres.empty());
    EXPECT_EQ(plot.line.points[2].y, 180);  // x = 2, y = 1

    curve.tokens = typed("x-");
    plotter.plotCurve(curve, settings, 440, 440, plot);
    EXPECT_FALSE(plot.drawn);
    EXPECT_TRUE(plot.message);
    curve.tokens = typed("x-2");
    plotter.plotCurve(curve, settings, 440, 440, plot);
    EXPECT_FALSE(plot.message);
    EXPECT_EQ(plot.line.points[2].y, 220);  // y = 0
}

TEST(GraphPlot, EveryCurveInOrderWithItsIndex) {
    GraphSettings settings;
    GraphView view(settings);
    view.curves().current().tokens = typed("x");
    view.nextCurve();
    view.curves().current().tokens = typed("3");
    view.curves().current().index = 7;  // stale; plotting sets it again

    GraphPlot plot = plotGraph(view, 440, 440);
    ASSERT_EQ(plot.curves.size(), 2u);
    EXPECT_FALSE(plot.anyFailed);
    EXPECT_EQ(plot.curves[1].index, 1);
    EXPECT_EQ(view.curves().at(1).index, 1);
    EXPECT_EQ(view.curves().at(1).valueState, ValueState::Constant);

    view.nextCurve();  // a third curve, still empty
    CurvePlotter plotter;
    plotter.plotGraph(view, 440, 440, plot);
    ASSERT_EQ(plot.curves.size(), 3u);
    EXPECT_TRUE(plot.anyFailed);
    EXPECT_FALSE(plot.curves[2].drawn);
    EXPECT_TRUE(plot.curves[0].drawn);
}

}  // namespace
}  // namespace orrery
