#include "statistics/distribution_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "picture_items.h"
#include "statistics/distribution_set.h"

namespace orrery {
namespace {

using testing::itemsOf;

// A 700 x 450 picture whose axis font is 12 pixels a line: U = 60, a = 5,
// m = 30; the annotation font's 14 pixels give it a margin of 35.
constexpr PictureFrame kFrame{700, 450, 12, 14};
constexpr ColorRef kAxes = makeRgb(235, 0, 0), kWhite = makeRgb(255, 255, 255),
                   kLabel = makeRgb(0, 55, 0), kCurve = makeRgb(155, 0, 155),
                   kYellow = makeRgb(255, 255, 0);
constexpr StatisticsColors kColors{kAxes, kWhite, kLabel, kCurve};

std::vector<PictureText> tickLabels(const DistributionPicture& picture) {
    std::vector<PictureText> labels;
    for (const PictureText& text : itemsOf<PictureText>(picture))
        if (text.font == PictureFont::Axis && text.topLeft.y == 245) labels.push_back(text);
    return labels;
}

const PicturePolygon* hatch(const std::vector<PicturePolygon>& polygons) {
    for (const PicturePolygon& p : polygons)
        if (p.style == PictureFill::BackDiagonalHatch) return &p;
    return nullptr;
}

using Prepare = std::function<void(DistributionSet&)>;
struct Prepared {
    const char* name;
    DistributionKind kind;
    Prepare prepare;
};

Prepare chiDegrees(int k) {
    return [k](DistributionSet& s) { s.chiSquare.setDegreesOfFreedom(k); };
}
Prepare tDegrees(int k) {
    return [k](DistributionSet& s) { s.t.setDegreesOfFreedom(k); };
}
Prepare fDegrees(int d1, int d2) {
    return [d1, d2](DistributionSet& s) {
        s.f.setD1(d1);
        s.f.setD2(d2);
    };
}

TEST(DistributionDrawing, AxesTicksAndLabelsSitWhereTheAxisFontPutsThem) {
    struct Case {
        Prepared setup;
        double yAxisX;
        int tickCount;
        std::string firstLabel, lastLabel;
        double firstLabelX, lastLabelX;
    };
    const Case cases[] = {
        {{"normal", DistributionKind::Normal, {}}, 350, 13, "-3.0", "3.0", 28, 668},
        {{"t(1)", DistributionKind::T, tDegrees(1)}, 350, 9, "-300.0", "300.0", 28, 668},
        {{"chi-square(6)", DistributionKind::ChiSquare, {}}, 30, 9, "2.0", "18.0",
         30 + 640.0 * 2 / 19 - 2, 30 + 640.0 * 18 / 19 - 2},
        {{"F(6, 6)", DistributionKind::F, {}}, 30, 8, "1.0", "8.0", 108, 668},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setup.name);
        DistributionSet set;
        if (c.setup.prepare) c.setup.prepare(set);
        const DistributionPicture picture =
            drawDistribution(set.drawn(c.setup.kind), kFrame, kColors);

        const std::vector<PictureLine> lines = itemsOf<PictureLine>(picture);
        ASSERT_EQ(lines.size(), 2u + c.tickCount);
        EXPECT_EQ(lines[0].points, (std::vector<PicturePoint>{{30, 225}, {670, 225}}));
        EXPECT_EQ(lines[1].points, (std::vector<PicturePoint>{{c.yAxisX, 30}, {c.yAxisX, 300}}));
        for (std::size_t i = 2; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].points[0].y, 230);
            EXPECT_EQ(lines[i].points[1].y, 220);
            EXPECT_EQ(lines[i].color, kAxes);
        }

        std::vector<PicturePolygon> arrows;
        for (const PicturePolygon& p : itemsOf<PicturePolygon>(picture))
            if (p.outline == kArrowOutline) arrows.push_back(p);
        ASSERT_EQ(arrows.size(), 2u);
        EXPECT_EQ(arrows[0].points,
                  (std::vector<PicturePoint>{{675, 225}, {670, 220}, {670, 230}}));
        EXPECT_EQ(arrows[1].points, (std::vector<PicturePoint>{
                                        {c.yAxisX, 25}, {c.yAxisX - 5, 30}, {c.yAxisX + 5, 30}}));

        // Normal and t leave the label at 0 to the y axis.
        const std::vector<PictureText> labels = tickLabels(picture);
        ASSERT_FALSE(labels.empty());
        EXPECT_EQ(labels.front().text, c.firstLabel);
        EXPECT_EQ(labels.back().text, c.lastLabel);
        EXPECT_NEAR(labels.front().topLeft.x, c.firstLabelX, 1e-9);
        EXPECT_NEAR(labels.back().topLeft.x, c.lastLabelX, 1e-9);
        for (const PictureText& label : labels) EXPECT_NE(label.text, "0.0");
    }
}

// The top of the curve for each scale rule, and every coordinate a number:
// where the density is infinite (chi-square with 1 degree of freedom, F with
// d1 = 1, both at 0) the point is left out and the scale comes from the rest.
TEST(DistributionDrawing, CurveScaleAndPolesGiveFiniteCoordinates) {
    struct Case {
        Prepared setup;
        double topY;  // highest point of the curve
        double tolerance;
    };
    const Case cases[] = {
        {{"normal", DistributionKind::Normal, {}}, 60, 0.2},  // (H/2 - 2m) over the peak
        {{"t(4)", DistributionKind::T, {}}, 60.51, 0.05},     // nearest point at 0.0707
        // 5(H/2 - m) * f(4)
        {{"chi-square(6)", DistributionKind::ChiSquare, {}}, 225 - 975 * 0.13533, 0.5},
        // The largest plotted density reaches m.
        {{"F(6, 6)", DistributionKind::F, {}}, 30, 1e-9},
        {{"F(1, 5)", DistributionKind::F, fDegrees(1, 5)}, 30, 1e-9},
        // The first finite point, at x = 8/99.
        {{"chi-square(1)", DistributionKind::ChiSquare, chiDegrees(1)}, 225 - 975 * 1.3478, 1},
        {{"F(1, 1)", DistributionKind::F, fDegrees(1, 1)}, 225 - 0.2, 0.2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setup.name);
        DistributionSet set;
        if (c.setup.prepare) c.setup.prepare(set);
        double lo = 0.0, hi = 3.0;
        set.chiSquare.setLimits(lo, hi);
        set.f.setLimits(lo, hi);
        const DistributionPicture picture =
            drawDistribution(set.drawn(c.setup.kind), kFrame, kColors);
        const std::vector<PicturePolygon> polygons = itemsOf<PicturePolygon>(picture);
        const PicturePolygon& curve = polygons.front();
        EXPECT_EQ(curve.fill, kWhite);
        EXPECT_EQ(curve.outline, kCurve);
        EXPECT_EQ(curve.points.front(), (PicturePoint{30, 225}));
        EXPECT_EQ(curve.points.back(), (PicturePoint{670, 225}));
        double top = 225;
        for (const PicturePolygon& p : polygons)
            for (const PicturePoint& point : p.points) {
                ASSERT_TRUE(std::isfinite(point.x) && std::isfinite(point.y));
                if (&p == &polygons.front()) top = std::min(top, point.y);
            }
        EXPECT_NEAR(top, c.topY, c.tolerance);
    }
}

// The hatch covers the limits where they fall inside the drawn range and
// stops at its edge; it is drawn in the fill colour unless that is white.
TEST(DistributionDrawing, HatchIsClippedToTheDrawnRange) {
    struct Case {
        const char* name;
        double lower, upper;
        ColorRef background;
        bool drawn;
        double fromX, toX;
        ColorRef hatchColor;
    };
    const Case cases[] = {
        {"inside", -1.96, 1.96, kWhite, true, 30 + 640 * 1.04 / 6, 30 + 640 * 4.96 / 6, kCurve},
        {"upper beyond the edge", -1, 10, kWhite, true, 30 + 640 * 2.0 / 6, 670, kCurve},
        {"both beyond the edges", -1e300, INFINITY, kYellow, true, 30, 670, kYellow},
        {"both right of the range", 4, 5, kWhite, false, 0, 0, 0},
        {"empty interval", 0.5, 0.5, kWhite, false, 0, 0, 0},
        {"no number", NAN, 1, kWhite, false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DistributionSet set;
        double lo = c.lower, hi = c.upper;
        set.normal.setLimits(lo, hi);
        const StatisticsColors colors{kAxes, c.background, kLabel, kCurve};
        const DistributionPicture picture =
            drawDistribution(set.drawn(DistributionKind::Normal), kFrame, colors);
        const std::vector<PicturePolygon> polygons = itemsOf<PicturePolygon>(picture);
        const PicturePolygon* hatched = hatch(polygons);
        ASSERT_EQ(hatched != nullptr, c.drawn);
        if (!hatched) continue;
        EXPECT_EQ(hatched->fill, c.hatchColor);
        EXPECT_NEAR(hatched->points.front().x, c.fromX, 1e-9);
        EXPECT_NEAR(hatched->points.back().x, c.toX, 1e-9);
        EXPECT_EQ(hatched->points.front().y, 225);
        EXPECT_EQ(hatched->points.size(), 102u);
        // Opaque: white between the lines, under the same outline.
        const PicturePolygon& ground = *(hatched - 1);
        EXPECT_EQ(ground.fill, kWhite);
        EXPECT_EQ(ground.points.size(), hatched->points.size());
    }
}

// The annotation names the distribution, its degrees of freedom, the limits
// and the area, which stays whole when the hatch is cut.
TEST(DistributionDrawing, AnnotationTellsTheCurrentArea) {
    struct Case {
        Prepared setup;
        double lower, upper;
        std::string annotation;
        PictureFont font;
    };
    const Case cases[] = {
        {{"normal", DistributionKind::Normal, {}}, -1.96, 1.96,
         "Normal Distribution:  Z1= -1.960000,  Z2= 1.960000  Area = 0.9500",
         PictureFont::AnnotationSans},
        {{"t(5)", DistributionKind::T, tDegrees(5)}, -1, 2,
         "T-Distribution:  d.f.= 5,  Z1= -1.000000,  Z2= 2.000000  Area = 0.7674",
         PictureFont::AnnotationSans},
        {{"F(2, 5)", DistributionKind::F, fDegrees(2, 5)}, 1, 3,
         "F-Distribution:  d.f. 1= 2, d.f. 2= 5, F1= 1.000000,  F2= 3.000000,  Area = 0.2919",
         PictureFont::AnnotationSerif},
        {{"chi-square(1), beyond the range", DistributionKind::ChiSquare, chiDegrees(1)}, 0, 1000,
         "X Sq. Distribution:  d.f. 1= 1, X1= 0.000000,  X2= 1000.000000,  Area = 1.0000",
         PictureFont::AnnotationSerif},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setup.name);
        DistributionSet set;
        if (c.setup.prepare) c.setup.prepare(set);
        for (Distribution* d : std::initializer_list<Distribution*>{&set.normal, &set.t, &set.f,
                                                                     &set.chiSquare}) {
            double lo = c.lower, hi = c.upper;
            d->setLimits(lo, hi);
        }
        const DrawnDistribution drawn = set.drawn(c.setup.kind);
        const PictureText annotation =
            itemsOf<PictureText>(drawDistribution(drawn, kFrame, kColors)).back();
        EXPECT_EQ(annotation.text, c.annotation);
        EXPECT_EQ(annotation.topLeft, (PicturePoint{52, 300}));
        EXPECT_EQ(annotation.font, c.font);
        EXPECT_EQ(annotation.color, kLabel);
    }
}

}  // namespace
}  // namespace orrery
