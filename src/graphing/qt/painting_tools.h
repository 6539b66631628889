#pragma once

#include <QColor>
#include <QLineF>
#include <QPen>
#include <QPointF>

#include "graphing/graph_axes.h"

namespace orrery {

// A one-pixel line through pixel (x, y) runs through its centre, so it stays
// one pixel wide when edges are smoothed.
inline QPointF pixelCentre(int x, int y) { return QPointF(x + 0.5, y + 0.5); }

inline QLineF centredLine(const AxisSegment& s) {
    return QLineF(pixelCentre(s.x1, s.y1), pixelCentre(s.x2, s.y2));
}

enum class DashKind { Dash, Dot, DashDot };

// A one-pixel pen with the classic desktop dash lengths: long dashes,
// dots of three pixels, dash-dot.
QPen dashedPen(const QColor& color, DashKind kind);

}  // namespace orrery
