#include "shell/qt/symbol_display.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <map>

#include "expression/input_reading.h"
#include "graphing/graph_view.h"
#include "shell/calculator_input.h"
#include "shell/qt/symbol_display_accessible.h"

namespace orrery {
namespace {

QColor colorOf(SymbolColor color) {
    switch (color) {
        case SymbolColor::Number:
            return QColor(0, 120, 0);
        case SymbolColor::Function:
            return QColor(0, 0, 123);
        case SymbolColor::Bracket:
            return QColor(195, 0, 195);
        case SymbolColor::Operator:
            return QColor(0, 130, 130);
        case SymbolColor::Pending:
            return QColor(255, 0, 0);
        case SymbolColor::Other:
            break;
    }
    return QColor(0, 0, 255);
}

const QColor kBackground(245, 245, 255);
const QColor kCursor(255, 0, 0);

// The largest symbol font: the size the display was designed for on a big
// window. Smaller windows scale it down so two lines always fit.
constexpr int kLargestPixelSize = 45;

}  // namespace

SymbolDisplay::SymbolDisplay(CalculatorInput& input, GraphView& view, QWidget* parent)
    : QWidget(parent), input_(input), view_(view) {
    setObjectName(QStringLiteral("symbolDisplay"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    SymbolDisplayAccessible::install();
    relayout();
}

QFont SymbolDisplay::symbolFont() const {
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(std::clamp(height() * 28 / 100, 8, kLargestPixelSize));
    return font;
}

int SymbolDisplay::rowCentre(int row) const {
    return height() * (row + 1) / 3;
}

void SymbolDisplay::relayout() {
    const Curve& curve = view_.curves().current();
    std::vector<SymbolEntry> entries = symbolEntries(curve, input_.typing().pendingLetters());
    const QFontMetrics metrics(symbolFont());
    // A long expression repeats a few dozen texts: measure each once.
    std::map<std::string, int> measured;
    std::vector<int> advances;
    advances.reserve(entries.size());
    for (const SymbolEntry& entry : entries) {
        auto [at, added] = measured.try_emplace(entry.text, 0);
        if (added) at->second = metrics.horizontalAdvance(QString::fromStdString(entry.text));
        advances.push_back(at->second);
    }
    const int cursor = std::clamp(curve.cursor, 0, static_cast<int>(curve.tokens.size()));
    layout_ =
        SymbolLayout(std::move(entries), advances, width(), metrics.averageCharWidth(), cursor);
}

SymbolDisplay::ExpressionText SymbolDisplay::expressionText() const {
    ExpressionText out;
    const Curve& curve = view_.curves().current();
    for (std::size_t i = 0; i < curve.tokens.size(); ++i) {
        const ExpressionToken& token = curve.tokens[i];
        const bool inNumber = i > 0 && token.keyClass == KeyClass::Number &&
                              curve.tokens[i - 1].keyClass == KeyClass::Number &&
                              token.index != key::kPi && token.index != key::kE &&
                              curve.tokens[i - 1].index != key::kPi && curve.tokens[i - 1].index != key::kE;
        if (i > 0 && !inNumber) out.text += QLatin1Char(' ');
        if (static_cast<int>(i) == curve.cursor) out.cursor = static_cast<int>(out.text.size());
        out.text += QString::fromStdString(textForm(token));
    }
    if (curve.cursor >= static_cast<int>(curve.tokens.size())) out.cursor = static_cast<int>(out.text.size());
    return out;
}

void SymbolDisplay::refresh() {
    relayout();
    update();
    setAccessibleName(QStringLiteral("Expression of curve %1").arg(view_.curves().currentIndex() + 1));
    showReading();
}

void SymbolDisplay::showReading() {
    // Once the curves are drawn, the tooltip tells how the current one was
    // read, from the same items the drawing evaluates. Every repaint of the
    // graph refreshes this display, so the reading is only made again when
    // the keys differ.
    const Curve& curve = view_.curves().current();
    std::vector<int> keys;
    if (view_.curvesShown()) {
        keys.push_back(view_.curves().currentIndex());
        for (const ExpressionToken& token : curve.tokens) keys.push_back(token.index);
    }
    if (keys == readKeys_) return;
    readKeys_ = std::move(keys);
    QString reading;
    if (view_.curvesShown() && !curve.tokens.empty()) {
        ExpressionContext context;
        context.curveIndex = view_.curves().currentIndex();
        const InputReading read = readInput(curve.tokens, context);
        if (!read.message) reading = QStringLiteral("Read as: ") + QString::fromStdString(read.text);
    }
    setToolTip(reading);
}

void SymbolDisplay::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void SymbolDisplay::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kBackground);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QFont font = symbolFont();
    const QFontMetrics metrics(font);
    const int first = layout_.firstVisibleLine();
    auto rowOf = [first](int line) { return line - first; };
    auto baselineOf = [&](int row) {
        return rowCentre(row) + (metrics.ascent() - metrics.descent()) / 2;
    };

    p.setFont(font);
    const std::vector<SymbolEntry>& entries = layout_.entries();
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const int row = rowOf(layout_.entryLine(i));
        if (row < 0 || row > 1) continue;
        p.setPen(colorOf(entries[static_cast<std::size_t>(i)].color));
        p.drawText(QPoint(layout_.entryX(i), baselineOf(row)),
                   QString::fromStdString(entries[static_cast<std::size_t>(i)].text));
    }

    // The curve number, small, in the top-left corner.
    p.setFont(this->font());
    p.setPen(QColor(90, 90, 120));
    p.drawText(QPoint(3, 2 + QFontMetrics(this->font()).ascent()),
               QString::number(view_.curves().currentIndex() + 1));

    const int cursorRow = rowOf(layout_.cursorLine());
    if (cursorRow >= 0 && cursorRow <= 1) {
        const int top = rowCentre(cursorRow) - metrics.height() / 2;
        p.setPen(QPen(kCursor, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(layout_.cursorX(), top, layout_.cursorWidth() - 1, metrics.height() - 1);
    }
}

void SymbolDisplay::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    const int row = at.y() < height() / 2 ? 0 : 1;
    input_.placeCursor(layout_.hitTest(row, at.x()));
    refresh();
    emit focusReturned();
}

}  // namespace orrery
