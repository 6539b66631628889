#include "graphing/qt/text_painting.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

#include "common/qt/qt_color.h"
#include "graphing/graph_axes.h"
#include "graphing/graph_text.h"
#include "graphing/graph_view.h"
#include "graphing/qt/graph_fonts.h"
#include "graphing/qt/painting_tools.h"

namespace orrery {

namespace {

void drawMarker(QPainter& painter, const GraphView& view, int ax, int ay) {
    const GraphText& text = view.text();
    const TextMarker marker = textMarker(ax, ay, view.textMargin(), text.dragging, view.settings().axesColor);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(toQColor(marker.circleColor), 1));
    painter.drawEllipse(pixelCentre(marker.centreX, marker.centreY), marker.radius, marker.radius);

    QPolygonF hexagon;
    for (const auto& corner : marker.hexagon) hexagon << QPointF(corner[0], corner[1]);
    // The two-pixel outline stays inside the circle.
    const QPointF centre(marker.centreX, marker.centreY);
    for (QPointF& corner : hexagon) corner = centre + (corner - centre) * (marker.radius - 1.0) / std::max(1, marker.radius);
    painter.setPen(QPen(toQColor(marker.hexagonColor), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolygon(hexagon);

    const QFont font = textMarkerFont();
    const QFontMetrics metrics(font, painter.device());
    painter.setFont(font);
    painter.setPen(toQColor(text.color));
    const int left = ax - (2 * metrics.averageCharWidth()) / 3;
    const int top = ay - metrics.height() / 2;
    painter.drawText(QPoint(left, top + metrics.ascent()), QStringLiteral("T"));
}

void drawLines(QPainter& painter, const GraphView& view, int width, int ax, int ay) {
    const GraphText& text = view.text();
    const QFont font = graphTextFont(text, width, view.width());
    const QFontMetrics metrics(font, painter.device());
    painter.setFont(font);
    painter.setPen(toQColor(text.color));
    const std::vector<std::string> lines = graphTextLines(text.text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int top = graphTextLineTop(ay, metrics.height(), static_cast<std::int32_t>(i));
        painter.drawText(QPoint(ax, top + metrics.ascent()), QString::fromStdString(lines[i]));
    }
}

}  // namespace

void drawGraphText(QPainter& painter, const GraphView& view, int width, int height) {
    const int ax = toPixel(static_cast<double>(width) * view.text().x);
    const int ay = toPixel(static_cast<double>(height) * view.text().y);
    if (view.text().text.empty())
        drawMarker(painter, view, ax, ay);
    else
        drawLines(painter, view, width, ax, ay);
}

}  // namespace orrery
