#include "graphing/qt/zoom_cursor.h"

#include <QPainter>
#include <QPixmap>

namespace orrery {

QCursor magnifyingCursor() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QPointF lens(12, 12);
    // The handle, then the ring over it; a white rim keeps it visible on dark graphs.
    painter.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(19, 19), QPointF(28, 28));
    painter.setPen(QPen(QColor(40, 40, 40), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(19, 19), QPointF(28, 28));
    painter.setBrush(QColor(255, 255, 255, 90));
    painter.setPen(QPen(Qt::white, 4));
    painter.drawEllipse(lens, 8, 8);
    painter.setPen(QPen(QColor(40, 40, 40), 2));
    painter.drawEllipse(lens, 8, 8);
    painter.drawLine(QPointF(8, 12), QPointF(16, 12));
    painter.drawLine(QPointF(12, 8), QPointF(12, 16));
    painter.end();
    return QCursor(pixmap, 12, 12);
}

}  // namespace orrery
