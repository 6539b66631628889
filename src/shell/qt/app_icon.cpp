#include "shell/qt/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace orrery {
namespace {

QPixmap iconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QLinearGradient tile(0, 0, 0, s);
    tile.setColorAt(0, QColor(40, 60, 110));
    tile.setColorAt(1, QColor(20, 30, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(0, 0, s, s).adjusted(s * 0.04, s * 0.04, -s * 0.04, -s * 0.04), s * 0.18,
                      s * 0.18);
    p.setPen(QPen(QColor(190, 200, 230), std::max(1.0, s / 40)));
    p.drawLine(QPointF(s * 0.15, s * 0.5), QPointF(s * 0.85, s * 0.5));
    p.drawLine(QPointF(s * 0.5, s * 0.15), QPointF(s * 0.5, s * 0.85));
    QPainterPath curve;
    for (int i = 0; i <= 48; ++i) {
        const qreal t = i / 48.0;
        const QPointF point(s * (0.15 + 0.7 * t), s * (0.5 - 0.27 * std::sin(t * 2 * M_PI)));
        if (i == 0)
            curve.moveTo(point);
        else
            curve.lineTo(point);
    }
    p.setPen(QPen(QColor(255, 176, 60), std::max(1.5, s / 14), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    return pixmap;
}

}  // namespace

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(iconPixmap(size));
    return icon;
}

}  // namespace orrery
