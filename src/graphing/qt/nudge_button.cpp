#include "graphing/qt/nudge_button.h"

#include <QPainter>
#include <QPolygonF>

#include "graphing/qt/button_face.h"

namespace orrery {

namespace {

const char* nameOf(NudgeDirection direction) {
    switch (direction) {
        case NudgeDirection::Left: return "Move the text left";
        case NudgeDirection::Up: return "Move the text up";
        case NudgeDirection::Right: return "Move the text right";
        case NudgeDirection::Down: return "Move the text down";
    }
    return "";
}

}  // namespace

NudgeButton::NudgeButton(NudgeDirection direction, QWidget* parent)
    : QAbstractButton(parent), direction_(direction) {
    setToolTip(QString::fromLatin1(nameOf(direction)));
    setAccessibleName(toolTip());
    // Held down, the text keeps moving.
    setAutoRepeat(true);
}

QSize NudgeButton::sizeHint() const {
    const int side = QFontMetrics(font()).height() * 2;
    return {side, side};
}

void NudgeButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF content = paintButtonFace(painter, QRectF(rect()), isDown(), underMouse());
    const QPointF c = content.center();
    const double r = std::min(content.width(), content.height()) * 0.32;
    // An arrow pointing up, turned to its direction.
    QPolygonF arrow{QPointF(0, -r), QPointF(r, r * 0.55), QPointF(-r, r * 0.55)};
    double turn = 0;
    switch (direction_) {
        case NudgeDirection::Up: turn = 0; break;
        case NudgeDirection::Right: turn = 90; break;
        case NudgeDirection::Down: turn = 180; break;
        case NudgeDirection::Left: turn = 270; break;
    }
    painter.translate(c);
    painter.rotate(turn);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isEnabled() ? QColor(44, 92, 160) : QColor(150, 156, 166));
    painter.drawPolygon(arrow);
}

}  // namespace orrery
