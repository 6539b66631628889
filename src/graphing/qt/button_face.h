#pragma once

#include <QRectF>

class QPainter;

namespace orrery {

// The face of our own painted buttons: a soft rounded panel with a thin
// border, lit from above; pressed, it darkens and its content sinks a pixel.
// Returns the rectangle to draw the content in.
QRectF paintButtonFace(QPainter& painter, const QRectF& bounds, bool pressed, bool hovered);

}  // namespace orrery
