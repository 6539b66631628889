#include "statistics/distribution_drawing.h"

#include <algorithm>
#include <cmath>

#include "common/c_numeric.h"
#include "statistics/distribution.h"

namespace orrery {
namespace {

constexpr int kPlottedPoints = 100;
constexpr ColorRef kWhite = makeRgb(255, 255, 255);

// The lengths everything is measured in: the unit U is five lines of the
// font, the arrow size a twelfth of it and the margin half.
struct DrawingUnits {
    int unit = 0;
    int arrow = 0;
    int margin = 0;
};

DrawingUnits drawingUnits(int lineHeight) {
    const int unit = lineHeight * 5;
    return {unit, unit / 12, unit / 2};
}

bool startsAtZero(DistributionKind kind) {
    return kind == DistributionKind::ChiSquare || kind == DistributionKind::F;
}

// Everything one drawing shares: the frame, the units, the x range and its
// mapping onto [m, W - m], the baseline and the curve's scale.
struct Layout {
    const Distribution& d;
    int width, height;
    DrawingUnits units;
    int axisY;
    double left, right;
    double scale = 1.0;

    double toX(double x) const {
        return units.margin + (width - 2 * units.margin) * (x - left) / (right - left);
    }
    // The curve from `from` to `to` in evenly spaced points, closed along
    // the x axis; undefined densities are skipped.
    std::vector<PicturePoint> areaUnder(double from, double to) const {
        std::vector<PicturePoint> points{{toX(from), static_cast<double>(axisY)}};
        for (int i = 0; i < kPlottedPoints; ++i) {
            const double x = from + (to - from) * i / (kPlottedPoints - 1);
            const double y = d.density(x);
            if (isUndefinedValue(y)) continue;
            points.push_back({toX(x), axisY - scale * y});
        }
        points.push_back({toX(to), static_cast<double>(axisY)});
        return points;
    }
};

double largestPlottedDensity(const Layout& layout) {
    double largest = 0.0;
    for (int i = 0; i < kPlottedPoints; ++i) {
        const double y =
            layout.d.density(layout.left + (layout.right - layout.left) * i / (kPlottedPoints - 1));
        if (!isUndefinedValue(y)) largest = std::max(largest, y);
    }
    return largest;
}

double curveScale(const DrawnDistribution& drawn, const Layout& layout) {
    const int halfHeight = layout.axisY;
    const int m = layout.units.margin;
    switch (drawn.kind) {
        case DistributionKind::ChiSquare:
            return 5.0 * (halfHeight - m);
        case DistributionKind::Normal:
        case DistributionKind::T:
            return (halfHeight - 2 * m) / std::max(layout.d.density(0.0), 0.1);
        case DistributionKind::F: {
            if (drawn.d1 <= 1 && drawn.d2 <= 1) return 1.0;
            const double largest = largestPlottedDensity(layout);
            return largest > 0.0 ? (halfHeight - m) / largest : 1.0;
        }
    }
    return 1.0;
}

void addTicks(DistributionPicture& picture, const DrawnDistribution& drawn, const Layout& layout,
              const StatisticsColors& colors) {
    const AxisTicks ticks = layout.d.axisTicks();
    const int a = layout.units.arrow;
    const int range = std::max(1, layout.d.axisRange());
    const bool fromZero = startsAtZero(drawn.kind);
    const int first = fromZero ? 1 : 0;
    const double span = layout.width - 2 * layout.units.margin;
    for (int k = first; k <= ticks.count; ++k) {
        const double value = fromZero ? k * ticks.step : -range + k * ticks.step;
        const double x = fromZero ? layout.units.margin + span * (k * ticks.step) / range
                                  : layout.units.margin + span * k / std::max(1, ticks.count);
        picture.items.push_back(PictureLine{{{x, static_cast<double>(layout.axisY + a)},
                                             {x, static_cast<double>(layout.axisY - a)}},
                                            colors.axes});
        if (!fromZero && std::fabs(value) < 1e-10) continue;
        picture.items.push_back(PictureText{formatC("%.1lf", value),
                                            {x - a / 2, static_cast<double>(layout.axisY + 4 * a)},
                                            PictureFont::Axis,
                                            colors.label,
                                            {}});
    }
}

void addAxes(DistributionPicture& picture, const DrawnDistribution& drawn, const Layout& layout,
             const StatisticsColors& colors, int axisLineHeight) {
    const int W = layout.width, H = layout.height, m = layout.units.margin, a = layout.units.arrow;
    const double y = layout.axisY;
    const double yAxisX = startsAtZero(drawn.kind) ? m : W / 2;
    picture.items.push_back(PictureLine{{{double(m), y}, {double(W - m), y}}, colors.axes});
    picture.items.push_back(
        PictureLine{{{yAxisX, double(m)}, {yAxisX, double(2 * H / 3)}}, colors.axes});
    picture.items.push_back(
        PicturePolygon{{{double(W - m + a), y}, {double(W - m), y - a}, {double(W - m), y + a}},
                       colors.axes,
                       kArrowOutline});
    picture.items.push_back(
        PicturePolygon{{{yAxisX, double(m - a)}, {yAxisX - a, double(m)}, {yAxisX + a, double(m)}},
                       colors.axes,
                       kArrowOutline});

    addTicks(picture, drawn, layout, colors);

    std::string letter = "Z", raised;
    switch (drawn.kind) {
        case DistributionKind::ChiSquare:
            letter = "X";
            raised = "2";
            break;
        case DistributionKind::F:
            letter = "F";
            break;
        case DistributionKind::T:
            letter = "t";
            break;
        case DistributionKind::Normal:
            break;
    }
    picture.items.push_back(PictureText{letter,
                                        {double(W - m), y - 2 * a - axisLineHeight},
                                        PictureFont::Axis,
                                        colors.label,
                                        raised});
    picture.items.push_back(
        PictureText{"Y", {yAxisX + 2 * a, double(m - a)}, PictureFont::Axis, colors.label, {}});
}

}  // namespace

PictureFont annotationFont(DistributionKind kind) {
    return startsAtZero(kind) ? PictureFont::AnnotationSerif : PictureFont::AnnotationSans;
}

DistributionPicture drawDistribution(const DrawnDistribution& drawn, const PictureFrame& frame,
                                     const StatisticsColors& colors) {
    const Distribution& d = *drawn.distribution;
    const int range = std::max(1, d.axisRange());
    Layout layout{d,
                  frame.width,
                  frame.height,
                  drawingUnits(frame.axisLineHeight),
                  frame.height / 2,
                  startsAtZero(drawn.kind) ? 0.0 : -double(range),
                  double(range)};
    layout.scale = curveScale(drawn, layout);

    DistributionPicture picture;
    picture.items.push_back(PicturePolygon{layout.areaUnder(layout.left, layout.right),
                                           colors.background, colors.curve});

    // A limit beyond the drawn range stops the hatch at the edge; NaN or an
    // empty interval draws none.
    const double from = std::max(d.lowerLimit(), layout.left);
    const double to = std::min(d.upperLimit(), layout.right);
    if (from < to) {
        const std::vector<PicturePoint> hatched = layout.areaUnder(from, to);
        const ColorRef hatch = colors.background == kWhite ? colors.curve : colors.background;
        // The hatch is opaque: white between its lines.
        picture.items.push_back(PicturePolygon{hatched, kWhite, colors.curve});
        picture.items.push_back(
            PicturePolygon{hatched, hatch, colors.curve, PictureFill::BackDiagonalHatch});
    }

    addAxes(picture, drawn, layout, colors, frame.axisLineHeight);

    const int annotationMargin = drawingUnits(frame.annotationLineHeight).margin;
    picture.items.push_back(
        PictureText{annotationText(drawn),
                    {double(3 * annotationMargin / 2), double(2 * frame.height / 3)},
                    annotationFont(drawn.kind),
                    colors.label,
                    {}});
    return picture;
}

}  // namespace orrery
