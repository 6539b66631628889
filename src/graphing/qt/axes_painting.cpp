#include "graphing/qt/axes_painting.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "common/qt/qt_color.h"
#include "graphing/graph_axes.h"
#include "graphing/graph_view.h"
#include "graphing/qt/graph_fonts.h"
#include "graphing/qt/painting_tools.h"

namespace orrery {

namespace {

const QColor kGridGreen(0, 155, 0);
const QColor kOffScreenOrange(235, 100, 0);

// Labels are moved inside the picture where their place would cut them
// (the range labels of an axis running along an edge, say).
void drawLabels(QPainter& painter, const std::vector<AxisLabel>& labels, int width, int height) {
    const QFontMetrics metrics(painter.font(), painter.device());
    for (const AxisLabel& label : labels) {
        const QString text = QString::fromStdString(label.text);
        const QRect ink = metrics.boundingRect(text);
        const int advance = metrics.horizontalAdvance(text);
        int left = label.x;
        if (label.align == LabelAlign::Center) left -= advance / 2;
        if (label.align == LabelAlign::Right) left -= advance;
        int baseline = label.y + metrics.ascent();
        left = std::max(left, 1 - ink.left());
        left = std::min(left, width - 1 - ink.right() - 1);
        baseline = std::max(baseline, 1 - ink.top());
        baseline = std::min(baseline, height - 1 - ink.bottom() - 1);
        painter.drawText(QPoint(left, baseline), text);
    }
}

void drawCartesian(QPainter& painter, const GraphView& view, int width, int height) {
    const QColor axesColor = toQColor(view.settings().axesColor);
    const QFont font = cellHeightFont(QStringLiteral("Verdana"), pointsToPixels(11));
    const QFontMetrics metrics(font, painter.device());
    const CartesianAxes axes =
        cartesianAxes(view.range(), width, height, view.labelFormats(), metrics.height() + metrics.leading());

    const QPen axesPen(axesColor, 1);
    const QPen offScreenPen = dashedPen(kOffScreenOrange, DashKind::Dash);
    painter.setPen(axes.xAxisOffScreen ? offScreenPen : axesPen);
    painter.drawLine(centredLine(axes.xAxis));
    painter.setPen(axes.yAxisOffScreen ? offScreenPen : axesPen);
    painter.drawLine(centredLine(axes.yAxis));

    painter.setPen(QPen(kGridGreen, 1));
    for (const AxisSegment& tick : axes.ticks) painter.drawLine(centredLine(tick));

    painter.setFont(font);
    painter.setPen(toQColor(view.settings().labelColor));
    drawLabels(painter, axes.labels, width, height);
}

void drawBoxed(QPainter& painter, const GraphView& view, int width, int height) {
    const GraphSettings& settings = view.settings();
    const QFont font = cellHeightFont(QStringLiteral("Verdana"), pointsToPixels(7));
    const QFontMetrics metrics(font, painter.device());
    const BoxedAxes axes = boxedAxes(view.range(), width, height,
                                     {metrics.height(), metrics.leading(), metrics.averageCharWidth()});

    // The frame's right and bottom edges are the last pixels inside it.
    painter.setPen(QPen(toQColor(settings.axesColor), 1));
    painter.setBrush(toQColor(settings.backgroundColor));
    const AxisSegment& f = axes.frame;
    painter.drawRect(QRectF(pixelCentre(f.x1, f.y1), pixelCentre(f.x2 - 1, f.y2 - 1)));
    painter.setBrush(Qt::NoBrush);

    painter.setPen(QPen(kGridGreen, 1));
    for (const AxisSegment& line : axes.gridLines) painter.drawLine(centredLine(line));

    // The boxed labels keep the default black text.
    painter.setFont(font);
    painter.setPen(Qt::black);
    drawLabels(painter, axes.labels, width, height);
}

}  // namespace

void drawAxes(QPainter& painter, const GraphView& view, int width, int height) {
    switch (view.settings().axesType) {
        case 1: drawCartesian(painter, view, width, height); break;
        case 2: drawBoxed(painter, view, width, height); break;
        default: break;
    }
}

}  // namespace orrery
