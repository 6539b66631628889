// The graph window under the mouse: the read-out, zoom modes, text dragging,
// the context menu and the back button.
#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <cmath>

#include "graph_fixture.h"
#include "graphing/graph_status.h"

namespace orrery::testing {
namespace {

class GraphWindow : public GraphFixture {
protected:
    GraphWindow() { widget.show(); }

    void drag(QPoint from, QPoint to) {
        QTest::mousePress(&widget, Qt::LeftButton, {}, from);
        QTest::mouseMove(&widget, to);
        QTest::mouseRelease(&widget, Qt::LeftButton, {}, to);
    }
};

TEST_F(GraphWindow, LeftClickReadsOutTheCoordinatesAndReturnsTheFocus) {
    QSignalSpy status(&widget, &GraphWidget::statusTexts);
    QSignalSpy focus(&widget, &GraphWidget::focusReturned);
    QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(120, 120));
    ASSERT_FALSE(status.isEmpty());
    const std::vector<std::string> expected{" x = -2.5000", " y = 2.5000",
                                            "  Right click to see a menu of graph options."};
    EXPECT_EQ(status.first().at(0).value<std::vector<std::string>>(), expected);
    EXPECT_GE(focus.count(), 1);
}

// The ranges zooms give are in the gesture table; here, what the window reports.
TEST_F(GraphWindow, ZoomInModeReportsOneZoomAndMarksTheWorkChanged) {
    QSignalSpy zoomed(&widget, &GraphWidget::zoomChanged);
    widget.startZoomIn();
    EXPECT_TRUE(widget.zoomInMode());
    drag({220, 220}, {420, 20});
    EXPECT_EQ(zoomed.count(), 1);
    EXPECT_TRUE(settings.modified);

    widget.startZoomIn();
    QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(zoomed.count(), 1) << "a click zooms nothing";
}

TEST_F(GraphWindow, StartingOneZoomModeEndsTheOther) {
    widget.startZoomIn();
    widget.startZoomOut();
    EXPECT_FALSE(widget.zoomInMode());
    EXPECT_TRUE(widget.zoomOutMode());
    EXPECT_EQ(widget.cursor().shape(), Qt::CrossCursor);
    QTest::mouseDClick(&widget, Qt::LeftButton, {}, QPoint(220, 220));
    EXPECT_FALSE(widget.zoomOutMode());
    EXPECT_EQ(widget.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(GraphWindow, RubberBandShowsWhileDragging) {
    widget.startZoomIn();
    const int before = countInked(shot(), QRect(150, 100, 100, 1), Qt::black, background());
    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(&widget, QPoint(300, 300));
    EXPECT_GT(countInked(shot(), QRect(150, 100, 100, 1), Qt::black, background()), before + 30);
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(300, 300));
}

TEST_F(GraphWindow, DraggingTheTextMovesItsAnchor) {
    view.text().shown = true;  // an empty text: the marker at (330, 110)
    QSignalSpy changed(&widget, &GraphWidget::textChanged);
    drag({200, 300}, {250, 350});
    EXPECT_EQ(changed.count(), 0) << "a drag away from the text leaves it";

    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(332, 108));
    EXPECT_TRUE(view.text().dragging);
    QTest::mouseMove(&widget, QPoint(232, 208));
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(232, 208));
    EXPECT_FALSE(view.text().dragging);
    EXPECT_DOUBLE_EQ(view.text().x, 230.0 / 440);
    EXPECT_DOUBLE_EQ(view.text().y, 210.0 / 440);
    EXPECT_GE(changed.count(), 1);
    EXPECT_TRUE(settings.modified);
}

TEST_F(GraphWindow, ZoomRectangleStartedOnTheTextDoesNotDragIt) {
    view.text().shown = true;
    widget.startZoomIn();
    drag({330, 110}, {420, 20});
    EXPECT_DOUBLE_EQ(view.text().x, 0.75);
    EXPECT_DOUBLE_EQ(view.text().y, 0.25);
    EXPECT_EQ(view.range(), (CurveLimits{2.75, 5, 2.75, 5}));
}

// The window's part of wheel and pan: event position, timestamp and Ctrl
// reach the view; the zoom modes keep the wheel; a trembling click still reads
// out; a pan reports once. The ranges themselves are in the gesture table.
TEST_F(GraphWindow, WheelAndPanOutsideTheZoomModes) {
    QSignalSpy zoomed(&widget, &GraphWidget::zoomChanged);
    QSignalSpy status(&widget, &GraphWidget::statusTexts);
    const auto wheel = [this](int delta, ulong time, Qt::KeyboardModifiers keys = {}) {
        const QPoint at(120, 120);
        QWheelEvent event(at, widget.mapToGlobal(at), {}, {0, delta}, Qt::NoButton, keys, Qt::NoScrollPhase, false);
        event.setTimestamp(time);
        QApplication::sendEvent(&widget, &event);
    };
    wheel(120, 1000);
    wheel(120, 1300, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(view.pixelToX(120), -2.5) << "the point under the cursor stays";
    EXPECT_DOUBLE_EQ(view.pixelToY(120), 2.5);
    EXPECT_NEAR(view.range().xMax - view.range().xMin, 8 / std::pow(1.25, 0.25), 1e-12);
    EXPECT_EQ(view.zoomHistory().size(), 1u) << "two quick notches, one entry";
    widget.startZoomOut();
    wheel(-120, 9000);
    EXPECT_EQ(view.zoomHistory().size(), 1u) << "a zoom mode keeps the wheel out";
    widget.startZoomIn();
    QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(100, 100));  // ends the mode

    zoomed.clear();
    status.clear();
    drag({120, 120}, {123, 117});
    EXPECT_EQ(zoomed.count(), 0);
    ASSERT_FALSE(status.isEmpty());
    EXPECT_EQ(status.first().at(0).value<std::vector<std::string>>().at(0), " x = -2.5000");

    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(&widget, QPoint(110, 100));
    EXPECT_EQ(widget.cursor().shape(), Qt::ClosedHandCursor);
    QTest::mouseMove(&widget, QPoint(140, 140));
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(140, 140));
    EXPECT_EQ(zoomed.count(), 1) << "one gesture, one report";
    EXPECT_EQ(view.zoomHistory().size(), 2u);
    EXPECT_EQ(widget.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(GraphWindow, RightClickAsksTheFrameForTheMenu) {
    QSignalSpy menu(&widget, &GraphWidget::contextMenuRequested);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(50, 60), widget.mapToGlobal(QPoint(50, 60)));
    QApplication::sendEvent(&widget, &event);
    ASSERT_EQ(menu.count(), 1);
    EXPECT_EQ(menu.first().at(0).toPoint(), widget.mapToGlobal(QPoint(50, 60)));
}

TEST_F(GraphWindow, BackButtonShowsOnRequestAndGoesBack) {
    QAbstractButton* back = widget.backButton();
    EXPECT_FALSE(back->isVisible()) << "hidden until the graph fills the window";
    widget.setBackButtonVisible(true);
    ASSERT_TRUE(back->isVisible());
    QSignalSpy backSpy(&widget, &GraphWidget::backToCalculator);
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(backSpy.count(), 1);
}

}  // namespace
}  // namespace orrery::testing
