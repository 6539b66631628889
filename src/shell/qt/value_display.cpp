#include "shell/qt/value_display.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <algorithm>

#include "graphing/graph_view.h"
#include "shell/value_text.h"

namespace orrery {
namespace {

// The average character width as the font's own tables defined it before
// they averaged every glyph: lower-case letters and the space weighted by
// how often they occur in English text. It keeps the number of digits the
// same as with the classic Arial metrics, which Liberation Sans matches glyph
// for glyph but not in this one table value.
int weightedAverageCharWidth(const QFont& font) {
    static constexpr int kWeights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3,  6, 35, 20,
                                         56, 56, 17, 4,  49,  56, 71, 31, 10, 18, 3, 18, 2};
    const QFontMetricsF metrics(font);
    double sum = 166 * metrics.horizontalAdvance(QLatin1Char(' '));
    for (int i = 0; i < 26; ++i)
        sum += kWeights[i] * metrics.horizontalAdvance(QLatin1Char(static_cast<char>('a' + i)));
    return static_cast<int>(sum / 1000 + 0.5);
}

// Arial whose character cell (ascent plus descent) is `cellHeight` pixels.
QFont arialWithCellHeight(int cellHeight) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(100);
    const double perPixel = QFontMetricsF(font).height() / 100;
    font.setPixelSize(std::max(1, static_cast<int>(cellHeight / perPixel + 0.5)));
    return font;
}

}  // namespace

ValueDisplay::ValueDisplay(GraphView& view, QWidget* parent) : QLineEdit(parent), view_(view) {
    setObjectName(QStringLiteral("valueDisplay"));
    setReadOnly(true);
    setFrame(false);
    setFocusPolicy(Qt::ClickFocus);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, QColor(0, 100, 0));
    setPalette(palette);
    applyFont();
    refresh();
}

void ValueDisplay::applyFont() {
    setFont(arialWithCellHeight(std::clamp(height() - 2, 10, 25)));
    averageCharWidth_ = weightedAverageCharWidth(font());
    const int half = averageCharWidth_ / 2;
    setTextMargins(half, 0, half, 0);
}

int ValueDisplay::digits() const {
    return valueDigits(width() - averageCharWidth_, averageCharWidth_);
}

void ValueDisplay::refresh() {
    const ValueText value = valueText(view_.curves().current(), digits());
    const QString text = QString::fromStdString(value.text);
    if (text != this->text()) setText(text);
    setCursorPosition(0);
    if (value.hasResult != hasResult_) {
        hasResult_ = value.hasResult;
        emit resultAvailable(hasResult_);
    }
}

void ValueDisplay::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    applyFont();
    refresh();
}

void ValueDisplay::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectAll();
    // A click that gave the focus would put the text cursor where it landed;
    // the whole value is what a person wants to copy.
    selectAllOnRelease_ = event->reason() == Qt::MouseFocusReason;
}

void ValueDisplay::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (selectAllOnRelease_ && !hasSelectedText()) selectAll();
    selectAllOnRelease_ = false;
}

}  // namespace orrery
