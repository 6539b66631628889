#include "statistics/qt/picture_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include "common/qt/qt_color.h"

namespace orrery {
namespace {

QPolygonF toPolygon(const std::vector<PicturePoint>& points) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const PicturePoint& p : points) polygon << QPointF(p.x, p.y);
    return polygon;
}

QPen pixelPen(ColorRef color) {
    QPen pen(toQColor(color));
    pen.setWidth(1);
    pen.setCosmetic(true);
    return pen;
}

void paintLine(QPainter& painter, const PictureLine& line) {
    painter.setPen(pixelPen(line.color));
    painter.drawPolyline(toPolygon(line.points));
}

void paintPolygon(QPainter& painter, const PicturePolygon& polygon) {
    painter.setPen(pixelPen(polygon.outline));
    const Qt::BrushStyle style =
        polygon.style == PictureFill::BackDiagonalHatch ? Qt::BDiagPattern : Qt::SolidPattern;
    painter.setBrush(QBrush(toQColor(polygon.fill), style));
    painter.drawPolygon(toPolygon(polygon.points));
}

void paintText(QPainter& painter, const PictureText& text) {
    const QFont font = pictureFont(text.font);
    const QFontMetricsF metrics(font, painter.device());
    painter.setFont(font);
    painter.setPen(toQColor(text.color));
    const QString body = QString::fromStdString(text.text);
    const QPointF baseline(text.topLeft.x, text.topLeft.y + metrics.ascent());
    painter.drawText(baseline, body);
    if (text.raised.empty()) return;
    QFont small = font;
    small.setPointSizeF(font.pointSizeF() * 2.0 / 3.0);
    painter.setFont(small);
    painter.drawText(baseline + QPointF(metrics.horizontalAdvance(body), -metrics.ascent() / 3.0),
                     QString::fromStdString(text.raised));
}

}  // namespace

QFont pictureFont(PictureFont font) {
    switch (font) {
        case PictureFont::Axis: {
            QFont f(QStringLiteral("Times New Roman"));
            f.setPointSize(9);
            return f;
        }
        case PictureFont::AnnotationSerif: {
            QFont f(QStringLiteral("Times New Roman"));
            f.setPointSize(11);
            return f;
        }
        case PictureFont::AnnotationSans:
            break;
    }
    QFont f(QStringLiteral("Verdana"));
    f.setPointSize(11);
    return f;
}

PictureFrame measurePictureFrame(QPaintDevice* device, DistributionKind kind, int width,
                                 int height) {
    const QFontMetrics axis(pictureFont(PictureFont::Axis), device);
    const QFontMetrics annotation(pictureFont(annotationFont(kind)), device);
    return {width, height, axis.lineSpacing(), annotation.lineSpacing()};
}

void paintPicture(QPainter& painter, const DistributionPicture& picture, const QRect& area) {
    painter.save();
    painter.translate(area.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), area.size()));
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const PicturePrimitive& item : picture.items) {
        if (const auto* line = std::get_if<PictureLine>(&item))
            paintLine(painter, *line);
        else if (const auto* polygon = std::get_if<PicturePolygon>(&item))
            paintPolygon(painter, *polygon);
        else
            paintText(painter, std::get<PictureText>(item));
    }
    painter.restore();
}

void paintDistribution(QPainter& painter, const DrawnDistribution& drawn,
                       const StatisticsColors& colors, const QRect& area) {
    painter.fillRect(area, Qt::white);
    const PictureFrame frame =
        measurePictureFrame(painter.device(), drawn.kind, area.width(), area.height());
    paintPicture(painter, drawDistribution(drawn, frame, colors), area);
}

}  // namespace orrery
