#include "linear_algebra/qt/sheet_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace orrery {
namespace {

QFont sheetFont(int areaWidth, double scale = 1.0) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(std::max(6, static_cast<int>(std::lround(std::max(12, areaWidth / 55) * scale))));
    return font;
}

SheetMetrics metricsOf(const QFont& font) {
    const QFontMetricsF fm(font);
    return SheetMetrics{fm.horizontalAdvance(QLatin1Char('0')), std::ceil(fm.height() * 1.25)};
}

}  // namespace

SheetLayout SheetPainter::layout(int width) const {
    return layoutSheet(picture_, metricsOf(sheetFont(width)), width);
}

void SheetPainter::paint(QPainter& painter, const QRect& area, int scroll) const {
    const QFont fixed = sheetFont(area.width());
    const QFont raised = sheetFont(area.width(), kRaisedScale);
    const SheetMetrics metrics = metricsOf(fixed);
    const SheetLayout sheet = layoutSheet(picture_, metrics, area.width());

    painter.save();
    painter.setClipRect(area);
    painter.translate(area.left(), area.top() - scroll);
    if (sheet.width > area.width()) {
        const double s = area.width() / sheet.width;
        painter.scale(s, s);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, std::max(1.0, fixed.pixelSize() / 12.0)));
    for (const SheetLine& line : sheet.lines) painter.drawLine(QLineF(line.x1, line.y1, line.x2, line.y2));
    for (const SheetText& text : sheet.texts) {
        const QFont& font = text.font == SheetFont::Raised ? raised : fixed;
        const QFontMetricsF fm(font);
        painter.setFont(font);
        // Centred in its line box, whatever the face's own ascent and descent.
        const double baseline = text.y + (metrics.lineHeight - fm.height()) / 2 + fm.ascent();
        painter.drawText(QPointF(text.x, baseline), QString::fromStdString(text.text));
    }
    painter.restore();
}

QImage SheetPainter::image(QSize size) const {
    const int height = std::max(size.height(), static_cast<int>(std::ceil(layout(size.width()).height)));
    QImage picture(size.width(), height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    paint(painter, picture.rect());
    return picture;
}

}  // namespace orrery
