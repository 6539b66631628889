#include "graphing/graph_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "expression/key_table.h"
#include "graphing/graph_axes.h"
#include "graphing/graph_status.h"

namespace orrery {
namespace {

class GraphViewTest : public ::testing::Test {
protected:
    GraphSettings settings;
    GraphView view{settings};

    void SetUp() override { view.setSize(440, 440); }

    void type(std::int32_t keyIndex) { ASSERT_FALSE(view.curves().current().insertAtCursor(keyAt(keyIndex))); }
};

// The refusal of an empty curve and plain stepping are the main window's test.
TEST_F(GraphViewTest, NextCurveAppendsWithTheLastLimitsAndStepsBetweenCurves) {
    type(1);
    settings.setLimits(0, {-2, 9, -1, 3}, false);
    EXPECT_FALSE(view.nextCurve());
    EXPECT_EQ(view.curves().current().index, 1);
    EXPECT_EQ(view.curves().current().limits, (CurveLimits{-2, 9, -1, 3}));
    EXPECT_EQ(settings.limits.size(), 2u);
    EXPECT_TRUE(settings.modified);

    view.lastCurve();
    view.lastCurve();
    EXPECT_EQ(view.curves().currentIndex(), 0);
    EXPECT_FALSE(view.nextCurve());  // moves on without appending
    EXPECT_EQ(view.curves().count(), 2);
}

TEST_F(GraphViewTest, TokenEditingAtTheCursor) {
    Curve& c = view.curves().current();
    type(1);
    type(2);
    type(3);
    c.moveCursor(0);
    EXPECT_TRUE(c.deleteBeforeCursor());  // at the start it deletes the first key
    EXPECT_EQ(c.tokens.size(), 2u);
    EXPECT_EQ(c.tokens[0].index, 2);
    c.moveCursor(1);
    EXPECT_TRUE(c.deleteAtCursor());
    EXPECT_EQ(c.tokens.size(), 1u);
    EXPECT_EQ(c.cursor, 1);
    EXPECT_FALSE(c.deleteAtCursor());
    c.moveCursor(99);
    EXPECT_EQ(c.cursor, 1);
    for (int k = 1; k < 2000; ++k) ASSERT_FALSE(c.insertAtCursor(keyAt(1)));
    EXPECT_TRUE(c.insertAtCursor(keyAt(1)));  // full at 2000 keys
}

TEST_F(GraphViewTest, ResetAllKeepsTheNumberOfStoredLimitsAsTheGraphRange) {
    type(1);
    ASSERT_FALSE(view.nextCurve());
    type(2);
    view.text().text = "hello";
    view.text().shown = true;
    view.zoomIn({220, 220, 420, 20});
    view.resetAll();
    EXPECT_EQ(view.curves().count(), 1);
    EXPECT_TRUE(view.curves().current().tokens.empty());
    EXPECT_EQ(settings.limits, std::vector<CurveLimits>(2, (CurveLimits{0, 5, 0, 5})));
    EXPECT_FALSE(view.text().shown);
    EXPECT_TRUE(view.text().text.empty());
    EXPECT_FALSE(view.historyEmpty());  // the zoom history survives a reset
}

TEST_F(GraphViewTest, DraggedRectangleZoomsAndReversalRestoresExactly) {
    type(1);
    ASSERT_FALSE(view.nextCurve());
    settings.setLimits(1, {-1, 1, -4, 4}, true);
    view.curves().at(1).limits = {-1, 1, -4, 4};
    const auto before = settings.limits;

    view.zoomIn({220, 220, 420, 20});
    EXPECT_EQ(view.range(), (CurveLimits{0, 5, 0, 5}));
    EXPECT_EQ(settings.limits[0], (CurveLimits{0, 5, 0, 5}));
    EXPECT_EQ(settings.limits[1], (CurveLimits{0, 1, 0, 4}));
    EXPECT_EQ(view.curves().at(1).limits, (CurveLimits{0, 1, 0, 4}));
    EXPECT_DOUBLE_EQ(view.curves().at(1).domainScale, 0.2);

    EXPECT_TRUE(view.reverseZoom());
    EXPECT_EQ(settings.limits, before);
    EXPECT_EQ(view.range(), (CurveLimits{-5, 5, -5, 5}));
    EXPECT_TRUE(view.historyEmpty());
    EXPECT_FALSE(view.reverseZoom());
}

TEST_F(GraphViewTest, ZoomingOutForeverStopsBeforeOverflow) {
    for (int k = 0; k < 2000; ++k) view.zoomOut(220, 220);
    EXPECT_TRUE(std::isfinite(view.range().xMax - view.range().xMin));
    EXPECT_LT(view.zoomHistory().size(), 2000u);
}

TEST_F(GraphViewTest, CurvesAddedAfterAZoomTakeTheRestoredRange) {
    type(1);
    view.zoomIn({220, 220, 420, 20});
    ASSERT_FALSE(view.nextCurve());  // created inside the zoom: union = 0..5
    view.reverseZoom();
    EXPECT_EQ(view.curves().at(1).limits, CurveLimits{});
    EXPECT_EQ(settings.limits[1], CurveLimits{});
}

TEST_F(GraphViewTest, AppliedLimitSetsPrecisionAndRange) {
    view.applyLimit(0, true, 0, 1.25, "1.250");
    EXPECT_EQ(view.labelFormats().xLimitFormat(), "%.3f");
    EXPECT_EQ(view.labelFormats().xTickFormat(), "%.4f");
    EXPECT_EQ(view.labelFormats().yLimitFormat(), "%.1f");
    EXPECT_EQ(view.range().xMin, 1.25);
    EXPECT_EQ(view.curves().at(0).limits.xMin, 1.25);
    view.applyLimit(0, true, 1, 3, "3");
    EXPECT_EQ(view.labelFormats().xLimitFormat(), "%.3f");  // the larger count wins
    EXPECT_DOUBLE_EQ(view.curves().at(0).domainScale, 1.0);
}

TEST_F(GraphViewTest, RestoreDefaultsResetsRangeLimitsAndText) {
    type(1);
    ASSERT_FALSE(view.nextCurve());
    view.zoomIn({220, 220, 420, 20});
    view.text().bold = true;
    view.text().shown = true;
    view.text().x = 0.1;
    view.text().text = "kept";
    view.restoreDefaults();
    EXPECT_EQ(view.text().x, 0.75);
    EXPECT_EQ(view.text().text, "kept");
    EXPECT_EQ(view.range(), CurveLimits{});
    EXPECT_EQ(settings.limits, std::vector<CurveLimits>(2));
    EXPECT_EQ(view.curves().at(1).limits, CurveLimits{});
    EXPECT_FALSE(view.text().bold);
    EXPECT_FALSE(view.text().shown);
    EXPECT_FALSE(view.historyEmpty());
}

TEST_F(GraphViewTest, GraphTextAnchorMovesAndHits) {
    view.text().shown = true;
    view.text().x = 300.0 / 440;
    view.text().y = 0.25;
    const TextMetrics metrics{10, 30};
    EXPECT_EQ(view.textAnchorX(), 300);
    EXPECT_EQ(view.textAnchorY(), 110);
    EXPECT_TRUE(view.textHit(305, 115, metrics));  // the empty-text marker circle
    EXPECT_FALSE(view.textHit(330, 110, metrics));

    // Lines drawn with tops at 95 and 125; the second is four characters wide.
    view.text().text = "ab\r\nÄbcd";
    EXPECT_TRUE(view.textHit(339, 135, metrics));
    EXPECT_FALSE(view.textHit(341, 135, metrics));
    EXPECT_TRUE(view.textHit(301, 96, metrics));  // top half of the first line
    EXPECT_FALSE(view.textHit(301, 156, metrics));

    view.moveText(-50, 20);
    EXPECT_EQ(view.textAnchorX(), 250);
    EXPECT_EQ(view.textAnchorY(), 130);
    view.text().shown = false;
    EXPECT_FALSE(view.textHit(251, 131, metrics));
}

TEST(GraphText, LinesAreCentredOnTheAnchorFromTheFirst) {
    EXPECT_EQ(graphTextLines("one\r\ntwo\nstill two"), (std::vector<std::string>{"one", "two\nstill two"}));
    EXPECT_EQ(graphTextLineTop(100, 30, 0), 85);
    EXPECT_EQ(graphTextLineTop(100, 30, 1), 115);
    EXPECT_EQ(graphTextFontHeight(4, 440, 440), 30);
    EXPECT_EQ(graphTextFontHeight(4, 880, 440), 60);
    EXPECT_EQ(graphTextFontHeight(4, 100, 440), 30);
}

TEST_F(GraphViewTest, NudgingStopsAtTheMargin) {
    view.text().x = 0.9;
    view.nudgeText(NudgeDirection::Right);  // 396 < 420: moves
    EXPECT_DOUBLE_EQ(view.text().x, 0.92);
    for (int k = 0; k < 10; ++k) view.nudgeText(NudgeDirection::Right);
    EXPECT_LE(view.text().x * 440, 440 - 20 + 0.02 * 440);
    EXPECT_GT(view.text().x * 440, 420);
    const double x = view.text().x;
    view.nudgeText(NudgeDirection::Right);
    EXPECT_EQ(view.text().x, x);
}

TEST_F(GraphViewTest, DocumentRoundTripThroughTheView) {
    type(1);
    ASSERT_FALSE(view.nextCurve());
    type(2);
    view.text().text = "t";
    view.zoomIn({220, 220, 420, 20});
    GraphDocument doc = view.document();
    GraphSettings otherSettings;
    GraphView other(otherSettings);
    other.zoomIn({20, 20, 100, 100});
    doc.curves[0].cursor = 0;
    other.loadDocument(doc);
    EXPECT_EQ(other.document().curves[1], doc.curves[1]);
    EXPECT_EQ(other.curves().at(0).cursor, static_cast<std::int32_t>(doc.curves[0].tokens.size()));
    EXPECT_TRUE(other.historyEmpty());
}

TEST(GraphAxes, CartesianAxesThroughTheOriginWithQuarterLabels) {
    const CartesianAxes axes = cartesianAxes(CurveLimits{}, 440, 440, LabelFormats{}, 18);
    EXPECT_EQ(axes.xAxis, (AxisSegment{20, 220, 420, 220}));
    EXPECT_EQ(axes.yAxis, (AxisSegment{220, 20, 220, 420}));
    EXPECT_FALSE(axes.xAxisOffScreen);
    EXPECT_EQ(axes.ticks.size(), 22u);
    ASSERT_GE(axes.labels.size(), 2u);
    EXPECT_EQ(axes.labels[0].text, "-3.00");
    EXPECT_EQ(axes.labels[0].x, 100);
    EXPECT_EQ(axes.labels[1].text, "3.00");
    const auto xMax = std::find_if(axes.labels.begin(), axes.labels.end(),
                                   [](const AxisLabel& l) { return l.align == LabelAlign::Right; });
    ASSERT_NE(xMax, axes.labels.end());
    EXPECT_EQ(xMax->text, "5.0");
    EXPECT_EQ(xMax->x, 440 - 9);
}

// The x axis below the range is drawn in the picture test.
TEST(GraphAxes, AxisOutsideTheRangeRunsDashedAlongTheEdge) {
    const CartesianAxes left = cartesianAxes(CurveLimits{2, 5, -1, 1}, 440, 300, LabelFormats{}, 18);
    EXPECT_TRUE(left.yAxisOffScreen);
    EXPECT_EQ(left.yAxis.x1, 20);
    EXPECT_TRUE(cartesianAxes(CurveLimits{}, 440, 39, LabelFormats{}, 18).ticks.size() == 11u);  // no y ticks
}

TEST(GraphAxes, BoxedGridWithLabelsOnFourSides) {
    const BoxedAxes axes = boxedAxes(CurveLimits{}, 440, 440, BoxFontMetrics{12, 0, 5});
    EXPECT_EQ(axes.frame, (AxisSegment{20, 20, 420, 420}));
    EXPECT_EQ(axes.gridLines.size(), 18u);
    EXPECT_EQ(axes.gridLines[0], (AxisSegment{60, 20, 60, 420}));
    EXPECT_EQ(axes.labels.size(), 36u);
    EXPECT_EQ(axes.labels[0].text, "-4.00");
    EXPECT_EQ(axes.labels[0].x, 60 - 15);
    EXPECT_EQ(axes.labels[1].y, 440 - 20);
}

}  // namespace
}  // namespace orrery
