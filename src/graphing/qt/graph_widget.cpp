#include "graphing/qt/graph_widget.h"

#include <cstdlib>

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "graphing/graph_navigation.h"
#include "graphing/graph_status.h"
#include "graphing/graph_view.h"
#include "graphing/qt/back_button.h"
#include "graphing/qt/graph_fonts.h"
#include "graphing/qt/graph_text_dialog.h"
#include "graphing/qt/zoom_cursor.h"

namespace orrery {

GraphWidget::GraphWidget(GraphView& view, QWidget* parent)
    : QWidget(parent), view_(&view), backButton_(new BackButton(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(1, 1);
    backButton_->hide();
    connect(backButton_, &QAbstractButton::clicked, this, &GraphWidget::backToCalculator);
    attach();
}

GraphWidget::~GraphWidget() {
    // The dialog edits this window's view: it must not outlive it.
    delete textDialog_.data();
}

void GraphWidget::attach() {
    view_->setSize(width(), height());
    const QFontMetrics metrics(font());
    view_->setTextMargin({metrics.averageCharWidth(), metrics.height()});
}

GraphPicture GraphWidget::compose() {
    attach();
    const int w = std::max(1, width());
    const int h = std::max(1, height());
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(qRound(w * ratio), qRound(h * ratio));
    if (composed_.size() != pixels) composed_ = QImage(pixels, QImage::Format_RGB32);
    composed_.setDevicePixelRatio(ratio);
    QPainter painter(&composed_);
    GraphPicture picture = painter_.paint(painter, *view_, w, h);
    painter.end();
    composedValid_ = true;
    emit painted();
    if (view_->curvesShown() && !view_->curves().anyCurveHasPointsInRange()) emit statusTexts(noPointsStatus());
    return picture;
}

std::vector<UserMessage> GraphWidget::sketch() {
    view_->setCurvesShown(true);
    GraphPicture picture = compose();
    update();
    return std::move(picture.messages);
}

QImage GraphWidget::picture(int width, int height, bool allCurves) {
    attach();
    const int w = width > 0 ? width : this->width();
    const int h = height > 0 ? height : this->height();
    if (w <= 0 || h <= 0) return {};
    QImage image(w, h, QImage::Format_RGB32);
    QPainter painter(&image);
    painter_.paint(painter, *view_, w, h, allCurves);
    return image;
}

void GraphWidget::paintEvent(QPaintEvent*) {
    // While a zoom rectangle is dragged only the band moves: keep the picture.
    if (!(rubberBandActive_ && composedValid_)) compose();
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), composed_);
    if (!rubberBandActive_) return;
    // Light under dark dashes: visible on any background.
    const QRect band = QRect(bandStart_, bandEnd_).normalized();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(band);
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawRect(band);
}

void GraphWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    composedValid_ = false;
    attach();
    placeBackButton();
}

void GraphWidget::placeBackButton() {
    const QFontMetrics metrics(font());
    const int bx = metrics.averageCharWidth();
    const int by = metrics.height();
    backButton_->setGeometry(width() - 20 * bx - bx, height() - by / 4 - 3 * by, 20 * bx, 3 * by);
}

QAbstractButton* GraphWidget::backButton() { return backButton_; }

void GraphWidget::setBackButtonVisible(bool visible) {
    placeBackButton();
    backButton_->setVisible(visible);
}

bool GraphWidget::hitsText(QPoint point) const {
    const QFontMetrics metrics(graphTextFont(view_->text(), width(), width()));
    return view_->textHit(point.x(), point.y(), {metrics.averageCharWidth(), metrics.height()});
}

void GraphWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    attach();
    const QPoint at = event->position().toPoint();
    if (zoomInMode_) {
        rubberBandActive_ = true;
        bandStart_ = bandEnd_ = at;
        update();
    } else if (hitsText(at)) {
        // Not while zooming: a zoom rectangle started on the text must not drag it.
        lastDrag_ = at;
        view_->text().dragging = true;
        update();
    } else if (!zoomOutMode_) {
        pressed_ = true;
        pressAt_ = at;
    }
    emit statusTexts(coordinateStatus(view_->pixelToX(at.x()), view_->pixelToY(at.y())));
    emit focusReturned();
}

void GraphWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (zoomInMode_ && rubberBandActive_) {
        bandEnd_ = at;
        update();
    }
    if (view_->text().dragging && at != lastDrag_) {
        view_->moveText(at.x() - lastDrag_.x(), at.y() - lastDrag_.y());
        lastDrag_ = at;
        view_->settings().modified = true;
        update();
        emit textChanged();
    }
    if (!pressed_ || !(event->buttons() & Qt::LeftButton)) return;
    const QPoint moved = at - pressAt_;
    // A hand that trembles during a click must not move the graph.
    if (!panning_ && std::abs(moved.x()) < kPanThreshold && std::abs(moved.y()) < kPanThreshold) return;
    if (!panning_) {
        panning_ = true;
        attach();
        view_->beginPan();
        setCursor(Qt::ClosedHandCursor);
    }
    if (view_->panBy(moved.x(), moved.y())) update();
}

void GraphWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    if (zoomInMode_ && rubberBandActive_) {
        bandEnd_ = event->position().toPoint();
        const std::size_t zooms = view_->zoomHistory().size();
        // A rectangle without width or height changes nothing; the mode ends all the same.
        view_->zoomIn({bandStart_.x(), bandStart_.y(), bandEnd_.x(), bandEnd_.y()});
        endZoomModes();
        update();
        if (view_->zoomHistory().size() != zooms) emit zoomChanged();
    }
    if (view_->text().dragging) {
        view_->text().dragging = false;
        update();
    }
    pressed_ = false;
    if (panning_) {
        panning_ = false;
        view_->endPan();
        unsetCursor();
        emit zoomChanged();
    }
    emit focusReturned();
}

void GraphWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && zoomOutMode_) {
        attach();
        const QPoint at = event->position().toPoint();
        const std::size_t zooms = view_->zoomHistory().size();
        view_->zoomOut(at.x(), at.y());
        endZoomModes();
        update();
        if (view_->zoomHistory().size() != zooms) emit zoomChanged();
    }
    emit focusReturned();
}

void GraphWidget::wheelEvent(QWheelEvent* event) {
    // The zoom modes keep the mouse for their one zoom.
    double notches = event->angleDelta().y() / 120.0;
    if (zoomInMode_ || zoomOutMode_ || notches == 0) {
        QWidget::wheelEvent(event);
        return;
    }
    if (event->modifiers() & Qt::ControlModifier) notches *= kFineWheelNotches;
    attach();
    const QPointF at = event->position();
    if (view_->wheelZoom(at.x(), at.y(), notches, static_cast<std::int64_t>(event->timestamp()))) {
        update();
        emit zoomChanged();
    }
    event->accept();
}

void GraphWidget::contextMenuEvent(QContextMenuEvent* event) {
    emit contextMenuRequested(event->globalPos());
    event->accept();
}

void GraphWidget::startZoomIn() {
    zoomOutMode_ = false;
    zoomInMode_ = true;
    setCursor(magnifyingCursor());
}

void GraphWidget::startZoomOut() {
    zoomInMode_ = false;
    zoomOutMode_ = true;
    setCursor(Qt::CrossCursor);
}

void GraphWidget::endZoomModes() {
    zoomInMode_ = zoomOutMode_ = rubberBandActive_ = false;
    unsetCursor();
}

GraphTextDialog* GraphWidget::openTextDialog(DialogService& dialogs) {
    if (!textDialog_) textDialog_ = new GraphTextDialog(*view_, *this, dialogs, this);
    textDialog_->show();
    textDialog_->raise();
    textDialog_->activateWindow();
    return textDialog_;
}

GraphTextDialog* GraphWidget::textDialog() const { return textDialog_.data(); }

void GraphWidget::textEdited() {
    update();
    emit textChanged();
}

}  // namespace orrery
