// The picture a person sees: curves where the mapping puts them, the axes,
// the graph text, and what Sketch reports.
#include <QPainter>
#include <QSignalSpy>

#include "graph_fixture.h"
#include "graphing/curve_plot.h"

namespace orrery::testing {
namespace {

using GraphPicture = GraphFixture;

const QColor kGreen(0, 155, 0);
const QColor kOrange(235, 100, 0);

// Where the curve lands is the main window's test; here, that Sketch draws it.
TEST_F(GraphPicture, CurveIsDrawnOnlyAfterSketch) {
    type("3sinx");
    const QRect whole(0, 0, 440, 440);
    EXPECT_EQ(curvePixels(shot(), whole), 0) << "curves are drawn only after Sketch";
    EXPECT_TRUE(widget.sketch().empty());
    EXPECT_GT(curvePixels(shot(), whole), 400);
}

TEST_F(GraphPicture, SketchReturnsRefusalsAndRepaintsDoNot) {
    type("3+");
    QSignalSpy painted(&widget, &GraphWidget::painted);
    const std::vector<UserMessage> refusals = widget.sketch();
    ASSERT_EQ(refusals.size(), 1u);
    EXPECT_EQ(refusals[0].caption.rfind("SYNTAX ERROR", 0), 0u) << refusals[0].caption;
    EXPECT_EQ(painted.count(), 1);
    shot();
    EXPECT_GE(painted.count(), 2) << "every picture tells the frame";
}

TEST_F(GraphPicture, NoLineThroughAPoleWhileSteepCurvesStayWhole) {
    // Which neighbours are joined is settled in the plot; here, that the
    // picture follows it at any thickness. A strip around x = 0, away from
    // the edges where the branches leave the picture.
    const QRect atZero(216, 30, 8, 380);
    for (const auto& [text, crossed] : {std::pair{"1/x", false}, std::pair{"1000x", true}}) {
        view.resetAll();
        type(text);
        widget.sketch();
        for (int thickness : {1, 3}) {
            settings.setThickness(0, thickness, true);
            const int pixels = curvePixels(shot(), atZero);
            if (crossed)
                EXPECT_GT(pixels, 300 * thickness) << text << " thickness " << thickness;
            else
                EXPECT_EQ(pixels, 0) << text << " thickness " << thickness;
        }
    }

    // A tiny range puts 1/x's neighbours beyond 32000 pixels: a thick dashed
    // pen on rows far off the window neither hangs nor draws.
    view.resetAll();
    type("1/x");
    widget.sketch();
    view.setRange({-5, 5, -0.001, 0.001});
    view.curves().current().limits = view.range();
    settings.setThickness(0, 10, true);
    settings.setLineStyle(0, 1, true);
    EXPECT_EQ(curvePixels(shot(), QRect(0, 0, 440, 440)), 0);
}

TEST_F(GraphPicture, CartesianAxesCrossAtTheOriginWithGreenTicks) {
    const QImage image = shot();
    const QColor axes = toQColor(settings.axesColor);
    EXPECT_EQ(image.pixelColor(80, 220), axes) << "x axis on the row of y = 0";
    EXPECT_EQ(image.pixelColor(220, 80), axes) << "y axis on the column of x = 0";
    EXPECT_EQ(image.pixelColor(60, 217), kGreen) << "tick at x = -4";
    EXPECT_GT(countInked(image, QRect(320, 228, 40, 20), toQColor(settings.labelColor), background()), 5)
        << "label 3.00 below the x axis";
}

TEST_F(GraphPicture, LabelsStayInsideThePictureWhereverTheAxesRun) {
    const QColor outside(255, 0, 255);
    for (int axesType : {1, 2}) {
        for (const CurveLimits& range : {CurveLimits{-5, 5, 1, 5}, CurveLimits{-5, 5, -5, -1},
                                         CurveLimits{1, 5, -5, 5}, CurveLimits{-5, -1, -5, 5},
                                         CurveLimits{-123456.789, -0.001, 1e-3, 987654.25}}) {
            settings.axesType = axesType;
            view.setRange(range);
            // Drawn unclipped into a larger image: any ink outside the
            // picture's own rectangle would have been cut off.
            QImage big(520, 520, QImage::Format_RGB32);
            big.fill(outside);
            QPainter painter(&big);
            painter.translate(40, 40);
            GraphPainter().paint(painter, view, 440, 440);
            painter.end();
            const int inside = countNear(big, QRect(40, 40, 440, 440), outside, 0);
            EXPECT_EQ(countNear(big, big.rect(), outside, 0) - inside, 520 * 520 - 440 * 440)
                << "axes " << axesType << " range " << range.xMin << " " << range.xMax << " " << range.yMin;
        }
    }
}

TEST_F(GraphPicture, AxisOutsideTheRangeRunsDashedOrangeAlongTheEdge) {
    view.setRange({-5, 5, 1, 5});
    const QImage image = shot();
    const int orange = countNear(image, QRect(20, 420, 400, 1), kOrange, 10);
    EXPECT_GT(orange, 200);
    EXPECT_LT(orange, 400) << "dashed, not solid";
}

TEST_F(GraphPicture, BoxedAxesFrameTheAreaWithAGrid) {
    settings.axesType = 2;
    const QImage image = shot();
    const QColor axes = toQColor(settings.axesColor);
    // Between the labels, which overlap the frame on both sides.
    EXPECT_EQ(image.pixelColor(20, 120), axes);
    EXPECT_EQ(image.pixelColor(419, 120), axes);
    EXPECT_EQ(image.pixelColor(60, 100), kGreen) << "first of nine vertical grid lines";
    EXPECT_EQ(image.pixelColor(80, 80), background());

    settings.axesType = 0;
    EXPECT_EQ(countNear(shot(), QRect(0, 2, 440, 436), axes, 30), 0) << "no axes at all";
}

TEST_F(GraphPicture, DataPointsAreFilledCirclesOutlinedInBlack) {
    type("x");
    view.curves().current().originalPoints = {{2.5, -2.5}};
    settings.setShowOriginal(0, true);
    widget.sketch();
    const QImage image = shot();
    // (2.5, -2.5) is pixel (320, 320); radius min(440/100, 440/60) = 4.
    EXPECT_EQ(image.pixelColor(320, 320), toQColor(settings.originalPointColor(0)));
    EXPECT_LT(qGray(image.pixel(320, 324)), 80) << "dark outline";
    EXPECT_EQ(image.pixelColor(320, 326), background());
}

TEST_F(GraphPicture, EmptyShownTextIsMarkedByAHexagonAtTheAnchor) {
    view.text().shown = true;
    const QImage image = shot();
    // Anchor (330, 110); the hexagon's corners lie on a circle of the text margin.
    const int r = view.textMargin();
    EXPECT_GT(r, 5);
    const QRect around(330 - r, 110 - r, 2 * r + 1, 2 * r + 1);
    EXPECT_GT(countInked(image, around, QColor(0, 200, 0), background()), 10);
    EXPECT_GT(countInked(image, around, toQColor(view.text().color), background()), 3)
        << "the T inside";
}

TEST_F(GraphPicture, ExportPictureHasEveryCurveAtItsOwnSize) {
    type("3sinx");
    const QImage big = widget.picture(880, 700, true);
    ASSERT_EQ(big.size(), QSize(880, 700));
    EXPECT_GT(curvePixels(big, QRect(0, 0, 880, 700)), 400);
    EXPECT_FALSE(view.curvesShown()) << "the window itself still shows no curves";
    EXPECT_EQ(view.width(), 440) << "the mapping of clicks stays the window's";
}

}  // namespace
}  // namespace orrery::testing
