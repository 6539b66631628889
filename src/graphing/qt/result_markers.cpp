#include "graphing/qt/result_markers.h"

#include <QEvent>
#include <QPainter>

#include "common/qt/qt_color.h"
#include "graphing/graph_view.h"

namespace orrery {

ResultMarkers::ResultMarkers(QWidget& graphWindow, const GraphView& view)
    : QWidget(&graphWindow), view_(view) {
    setObjectName(QStringLiteral("resultMarkers"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(graphWindow.rect());
    graphWindow.installEventFilter(this);
    hide();
}

void ResultMarkers::show(std::int32_t curveIndex, std::vector<AnalysisResult> results) {
    curve_ = curveIndex;
    results_ = std::move(results);
    selected_ = -1;
    setVisible(!results_.empty());
    raise();
    update();
}

void ResultMarkers::clear() { show(0, {}); }

void ResultMarkers::select(int row) {
    selected_ = row;
    update();
}

bool ResultMarkers::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void ResultMarkers::paintEvent(QPaintEvent*) {
    if (curve_ >= view_.curves().count()) return;
    const CurveLimits& limits = view_.curves().at(curve_).limits;
    const QColor ink = toQColor(view_.settings().labelColor);
    const QColor paper = toQColor(view_.settings().backgroundColor);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont small = font();
    small.setPixelSize(10);
    painter.setFont(small);
    for (std::size_t i = 0; i < results_.size(); ++i) {
        const auto pixel = markerPixel(view_.range(), limits, width(), height(), results_[i].x, results_[i].y);
        if (!pixel) continue;
        const bool selected = static_cast<int>(i) == selected_;
        const double radius = selected ? 6.0 : 4.0;
        const QPointF centre(pixel->x, pixel->y);
        painter.setPen(QPen(ink, selected ? 3.0 : 2.0));
        painter.setBrush(paper);
        painter.drawEllipse(centre, radius, radius);
        painter.drawText(centre + QPointF(radius + 2, -radius - 1), QString::number(i + 1));
    }
}

}  // namespace orrery
