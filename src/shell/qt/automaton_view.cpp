#include "shell/qt/automaton_view.h"

#include <QPainter>

#include "common/qt/qt_color.h"
#include "shell/about_automaton.h"

namespace orrery {

AutomatonView::AutomatonView(const AboutAutomaton& automaton, QWidget* parent)
    : QWidget(parent), automaton_(automaton) {
    // 240 × 100 dialog units: a unit is a quarter of the average character
    // width across and an eighth of the line height down.
    const QFontMetrics metrics(font());
    setFixedSize(60 * metrics.averageCharWidth(), metrics.height() * 25 / 2);
    refresh();
}

void AutomatonView::refresh() {
    const int rows = automaton_.rows();
    const int columns = automaton_.columns();
    QImage image(columns, rows, QImage::Format_RGB32);
    QRgb palette[4];
    for (int s = 0; s < 4; ++s) palette[s] = toQColor(AutomatonColor(s)).rgb();
    const std::int32_t* state = automaton_.cells().data();
    for (int r = 0; r < rows; ++r) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(r));
        for (int c = 0; c < columns; ++c) line[c] = palette[*state++ & 3];
    }
    cells_ = std::move(image);
    update();
}

void AutomatonView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Nearest-pixel stretching keeps the cells' edges sharp, as block painting would.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), cells_);
}

}  // namespace orrery
