#include "graphing/qt/graph_painter.h"

#include <QPainter>
#include <algorithm>

#include "common/qt/qt_color.h"
#include "graphing/graph_view.h"
#include "graphing/qt/axes_painting.h"
#include "graphing/qt/painting_tools.h"
#include "graphing/qt/text_painting.h"

namespace orrery {

namespace {

// Dashes show only on one-pixel pens; wider pens draw solid, as the Curve
// Look dialog tells the user.
QPen curvePen(const PlotPen& pen) {
    const QColor color = toQColor(pen.color);
    if (pen.width == 1) {
        switch (pen.style) {
            case PenStyle::Dash: return dashedPen(color, DashKind::Dash);
            case PenStyle::Dot: return dashedPen(color, DashKind::Dot);
            case PenStyle::DashDot: return dashedPen(color, DashKind::DashDot);
            case PenStyle::Solid: break;
        }
    }
    return QPen(color, std::max(1, pen.width), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawDataPoints(QPainter& painter, const DataPointMarks& marks) {
    if (marks.centres.empty()) return;
    const double r = std::max(1, marks.radius);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(toQColor(marks.fill));
    for (const PixelPoint& c : marks.centres) painter.drawEllipse(QPointF(c.x + 0.5, c.y + 0.5), r, r);
    painter.setBrush(Qt::NoBrush);
}

}  // namespace

GraphPicture GraphPainter::paint(QPainter& painter, GraphView& view, int width, int height, bool allCurves) {
    GraphPicture picture;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, antialiased_);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(toQColor(view.settings().backgroundColor));
    painter.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
    painter.setBrush(Qt::NoBrush);

    drawAxes(painter, view, width, height);

    if (view.curvesShown() || allCurves) {
        plotter_.plotGraph(view, width, height, plot_);
        picture.anyFailed = plot_.anyFailed;
        for (const CurvePlot& curve : plot_.curves)
            if (curve.message) picture.messages.push_back(*curve.message);
        drawCurves(painter, plot_, width, height);
    }

    if (view.text().shown) drawGraphText(painter, view, width, height);
    painter.restore();
    return picture;
}

void GraphPainter::drawCurves(QPainter& painter, const GraphPlot& plot, int width, int height) {
    // Lines are cut a little outside the picture, so pens of any width end
    // beyond its edges.
    const ClipBox box{-32.0, -32.0, width + 32.0, height + 32.0};
    for (const CurvePlot& curve : plot.curves) {
        if (!curve.drawn) continue;
        painter.setPen(curvePen(curve.pen));
        strokeLine(painter, curve.line, curve.pen.width, box);
        if (curve.showDerivative) {
            painter.setPen(curvePen(curve.derivativePen));
            strokeLine(painter, curve.derivative, curve.derivativePen.width, box);
        }
        drawDataPoints(painter, curve.originalPoints);
    }
}

void GraphPainter::strokeLine(QPainter& painter, const PlotLine& line, int penWidth, const ClipBox& box) {
    // Odd widths sit on pixel centres, even ones on pixel edges: both crisp.
    const double shift = penWidth % 2 == 1 ? 0.5 : 0.0;
    const auto flush = [&] {
        if (run_.size() >= 2) painter.drawPolyline(run_);
        run_.clear();
    };
    for (const PointRun& run : line.runs) {
        for (std::uint32_t k = run.first + 1; k < run.first + run.count; ++k) {
            const PixelPoint& from = line.points[k - 1];
            const PixelPoint& to = line.points[k];
            double x1 = from.x + shift, y1 = from.y + shift, x2 = to.x + shift, y2 = to.y + shift;
            if (!clipSegment(box, x1, y1, x2, y2)) {
                flush();
                continue;
            }
            // A segment that enters the box starts a new polyline.
            if (!run_.isEmpty() && run_.last() != QPointF(x1, y1)) flush();
            if (run_.isEmpty()) run_ << QPointF(x1, y1);
            run_ << QPointF(x2, y2);
            if (x2 != to.x + shift || y2 != to.y + shift) flush();
        }
        flush();
    }
}

}  // namespace orrery
