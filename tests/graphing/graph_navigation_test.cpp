// The wheel and the drag of the graph: the range they give, the curves that
// follow it, and the zoom-history entries they leave.
#include "graphing/graph_navigation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "expression/key_table.h"
#include "graphing/graph_view.h"

namespace orrery {
namespace {

class NavigationTest : public ::testing::Test {
protected:
    GraphSettings settings;
    GraphView view{settings};

    void SetUp() override { view.setSize(440, 440); }
};

TEST_F(NavigationTest, WheelKeepsThePointUnderTheCursorInPlace) {
    struct Case {
        double px, py, notches;
        CurveLimits start;
        double width;  // the x width after the notches
    };
    const Case cases[] = {
        {220, 220, 1, {-5, 5, -5, 5}, 8},
        {120, 120, -1, {-5, 5, -5, 5}, 12.5},
        {20, 420, 2, {-5, 5, -5, 5}, 6.4},
        {400, 33, 0.25, {1000, 1010, -1e-3, 1e-3}, 10 / std::pow(1.25, 0.25)},
        {77, 301, -3, {-1e6, 3e6, 2, 3}, 4e6 * 1.953125},
    };
    std::int64_t time = 0;
    for (const Case& c : cases) {
        view.setRange(c.start);
        const double x = view.pixelToX(c.px);
        const double y = view.pixelToY(c.py);
        time += 10000;
        ASSERT_TRUE(view.wheelZoom(c.px, c.py, c.notches, time));
        EXPECT_NEAR(view.pixelToX(c.px), x, 1e-12 * (std::fabs(x) + 1)) << c.px;
        EXPECT_NEAR(view.pixelToY(c.py), y, 1e-12 * (std::fabs(y) + 1)) << c.py;
        EXPECT_NEAR(view.range().xMax - view.range().xMin, c.width, 1e-9 * c.width) << c.px;
        // The same factor on both axes: the picture keeps its shape.
        EXPECT_NEAR((view.range().yMax - view.range().yMin) / (c.start.yMax - c.start.yMin),
                    c.width / (c.start.xMax - c.start.xMin), 1e-9);
    }
}

TEST_F(NavigationTest, NotchesLessThanHalfASecondApartMakeOneEntry) {
    struct Case {
        std::vector<std::int64_t> times;
        std::size_t entries;
    };
    const Case cases[] = {
        {{1000}, 1},
        {{1000, 1100, 1599}, 1},
        {{1000, 1400, 1800, 2200}, 1},  // half a second from the previous notch, not the first
        {{1000, 1500}, 2},
        {{1000, 1200, 3000, 3100}, 2},
        {{5000, 4000}, 2},  // a clock that went back starts afresh
    };
    for (const Case& c : cases) {
        GraphSettings fresh;
        GraphView v(fresh);
        v.setSize(440, 440);
        for (std::int64_t t : c.times) ASSERT_TRUE(v.wheelZoom(300, 150, 1, t));
        EXPECT_EQ(v.zoomHistory().size(), c.entries) << c.times.size() << " notches";
        for (std::size_t k = 0; k < c.entries; ++k) EXPECT_TRUE(v.reverseZoom());
        EXPECT_EQ(v.range(), CurveLimits{});
        EXPECT_EQ(fresh.limits[0], CurveLimits{});
    }
}

TEST_F(NavigationTest, AnotherZoomOrAReversalEndsTheWheelGesture) {
    ASSERT_TRUE(view.wheelZoom(220, 220, 1, 0));
    view.zoomIn({20, 20, 220, 220});
    ASSERT_TRUE(view.wheelZoom(220, 220, 1, 100));
    EXPECT_EQ(view.zoomHistory().size(), 3u);
    EXPECT_TRUE(view.reverseZoom());
    ASSERT_TRUE(view.wheelZoom(220, 220, -1, 200));
    EXPECT_EQ(view.zoomHistory().size(), 3u) << "a notch after a reversal is a gesture of its own";
}

TEST_F(NavigationTest, PanMovesTheRangeByTheDraggedDistanceAsOneEntry) {
    // Curve 0 follows the range; curve 1 has a narrow domain of its own.
    ASSERT_FALSE(view.curves().current().insertAtCursor(keyAt(1)));
    ASSERT_FALSE(view.nextCurve());
    settings.setLimits(1, {-1, 1, -2, 2}, true);
    view.curves().at(1).limits = {-1, 1, -2, 2};

    view.beginPan();
    EXPECT_TRUE(view.panBy(10, 0));
    EXPECT_TRUE(view.panBy(40, -80));  // the whole displacement, not a step
    view.endPan();
    const CurveLimits moved{-6, 4, -7, 3};
    EXPECT_EQ(view.range(), moved);
    EXPECT_EQ(view.curves().at(0).limits, moved);
    EXPECT_EQ(settings.limitsOf(0), moved);
    EXPECT_EQ(view.curves().at(1).limits, (CurveLimits{-1, 1, -2, 2}));
    EXPECT_DOUBLE_EQ(view.curves().at(1).domainOffset, 0.5);
    EXPECT_EQ(view.zoomHistory().size(), 1u);
    EXPECT_TRUE(settings.modified);

    EXPECT_FALSE(view.panBy(5, 5)) << "no pan after the gesture ended";
    EXPECT_TRUE(view.reverseZoom());
    EXPECT_EQ(view.range(), CurveLimits{});
    EXPECT_EQ(view.curves().at(0).limits, CurveLimits{});
    EXPECT_TRUE(view.historyEmpty());

    view.beginPan();
    view.endPan();
    EXPECT_TRUE(view.historyEmpty()) << "a pan that never moved leaves no entry";
}

TEST_F(NavigationTest, RangeStopsWhereNumbersRunOut) {
    int zoomsIn = 0;
    for (int k = 0; k < 2000 && view.wheelZoom(300, 300, 1, k * 1000); ++k) ++zoomsIn;
    EXPECT_LT(zoomsIn, 2000);
    EXPECT_TRUE(navigable(view.range()));
    EXPECT_GT(view.pixelToX(301), view.pixelToX(300)) << "neighbouring pixels still differ";

    int zoomsOut = 0;
    for (int k = 0; k < 6000 && view.wheelZoom(300, 300, -4, 10'000'000 + k * 1000); ++k) ++zoomsOut;
    EXPECT_LT(zoomsOut, 6000);
    EXPECT_TRUE(std::isfinite(view.range().xMax - view.range().xMin));

    view.beginPan();
    EXPECT_FALSE(view.panBy(-1e308, 0)) << "a pan that would overflow is refused";
    EXPECT_TRUE(navigable(view.range()));
}

}  // namespace
}  // namespace orrery
