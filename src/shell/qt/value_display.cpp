#include "shell/qt/value_display.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <algorithm>

#include "graphing/graph_view.h"
#include "shell/value_text.h"

namespace orrery {

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
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::clamp(height() - 2, 10, 25));
    setFont(font);
    const int half = QFontMetrics(font).averageCharWidth() / 2;
    setTextMargins(half, 0, half, 0);
}

int ValueDisplay::digits() const {
    const int acw = QFontMetrics(font()).averageCharWidth();
    return valueDigits(width() - acw, acw);
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
