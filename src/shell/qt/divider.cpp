#include "shell/qt/divider.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

namespace orrery {

Divider::Divider(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::SplitHCursor);
    setObjectName(QStringLiteral("divider"));
}

void Divider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, 0, 0, height());
    painter.drawLine(width() - 1, 0, width() - 1, height());
}

void Divider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    start_ = event->position().toPoint().x();
    emit focusReturned();
}

void Divider::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || parentWidget() == nullptr) return;
    if (feedback_ == nullptr) {
        feedback_ = new QWidget(parentWidget());
        feedback_->setAttribute(Qt::WA_TransparentForMouseEvents);
        feedback_->setAutoFillBackground(true);
        QPalette palette = feedback_->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
        feedback_->setPalette(palette);
    }
    const int x = mapToParent(event->position().toPoint()).x();
    feedback_->setGeometry(x - 1, y(), 2, height());
    feedback_->raise();
    feedback_->show();
}

void Divider::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) return;
    dragging_ = false;
    if (feedback_ != nullptr) feedback_->hide();
    const int dx = event->position().toPoint().x() - start_;
    if (dx != 0) emit dropped(dx);
}

}  // namespace orrery
