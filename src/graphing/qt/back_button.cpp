#include "graphing/qt/back_button.h"

#include <QPainter>

#include "graphing/qt/button_face.h"

namespace orrery {

namespace {

// A pocket calculator: body, display strip and a grid of keys.
void drawCalculatorGlyph(QPainter& painter, const QRectF& box) {
    const double h = box.height();
    const double w = h * 0.72;
    const QRectF body(box.left(), box.top(), w, h);
    painter.setPen(QPen(QColor(45, 55, 72), 1));
    painter.setBrush(QColor(70, 84, 104));
    painter.drawRoundedRect(body, w * 0.14, w * 0.14);
    const double pad = w * 0.14;
    const QRectF display(body.left() + pad, body.top() + pad, w - 2 * pad, h * 0.22);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(190, 228, 196));
    painter.drawRect(display);
    const double top = display.bottom() + pad * 0.8;
    const double keyW = (w - 2 * pad) / 3;
    const double keyH = (body.bottom() - pad - top) / 3;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const bool accent = row == 2 && col == 2;
            painter.setBrush(accent ? QColor(240, 150, 60) : QColor(226, 230, 236));
            painter.drawRect(QRectF(display.left() + col * keyW + keyW * 0.12, top + row * keyH + keyH * 0.12,
                                    keyW * 0.76, keyH * 0.76));
        }
    }
}

}  // namespace

BackButton::BackButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setText(QStringLiteral("Back to the Calculator"));
    setCursor(Qt::PointingHandCursor);
}

QSize BackButton::sizeHint() const {
    const QFontMetrics metrics(font());
    return {20 * metrics.averageCharWidth(), 3 * metrics.height()};
}

void BackButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF content = paintButtonFace(painter, QRectF(rect()), isDown(), hovered_);
    const double glyphHeight = std::max(8.0, content.height() - 4);
    drawCalculatorGlyph(painter, QRectF(content.left() + 2, content.top() + 2, glyphHeight, glyphHeight));

    const QRectF caption = content.adjusted(glyphHeight * 0.72 + 8, 0, 0, 0);
    QFont font = painter.font();
    font.setBold(true);
    // Shrink the caption until it fits the face in at most two lines.
    for (int size = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height(); size > 6; --size) {
        font.setPixelSize(size);
        const QRect needed = QFontMetrics(font).boundingRect(caption.toRect(), Qt::TextWordWrap, text());
        if (needed.width() <= caption.width() && needed.height() <= caption.height()) break;
    }
    painter.setFont(font);
    painter.setPen(QColor(30, 40, 56));
    painter.drawText(caption, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, text());
}

void BackButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void BackButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

}  // namespace orrery
