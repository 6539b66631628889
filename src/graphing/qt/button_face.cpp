#include "graphing/qt/button_face.h"

#include <QLinearGradient>
#include <QPainter>

namespace orrery {

QRectF paintButtonFace(QPainter& painter, const QRectF& bounds, bool pressed, bool hovered) {
    const QRectF face = bounds.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient light(face.topLeft(), face.bottomLeft());
    if (pressed) {
        light.setColorAt(0, QColor(196, 206, 220));
        light.setColorAt(1, QColor(214, 222, 233));
    } else {
        light.setColorAt(0, hovered ? QColor(252, 253, 255) : QColor(248, 249, 251));
        light.setColorAt(1, hovered ? QColor(226, 234, 245) : QColor(222, 226, 232));
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(pressed ? QColor(92, 112, 140) : QColor(140, 148, 160), 1));
    painter.setBrush(light);
    const double radius = std::min(6.0, face.height() / 4);
    painter.drawRoundedRect(face, radius, radius);
    const double sink = pressed ? 1.0 : 0.0;
    return face.adjusted(3 + sink, 2 + sink, -3 + sink, -2 + sink);
}

}  // namespace orrery
