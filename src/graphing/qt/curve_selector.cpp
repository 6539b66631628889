#include "graphing/qt/curve_selector.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>

#include "graphing/curve_set.h"

namespace orrery {

QString expressionText(const CurveSet& curves, int index) {
    std::string text;
    for (const ExpressionToken& token : curves.at(index).tokens) text += textForm(token);
    return QString::fromStdString(text);
}

CurveSelector::CurveSelector(const CurveSet& curves, int selected, QWidget* parent)
    : QWidget(parent), curves_(curves), selected_(std::clamp(selected, 0, curves.count() - 1)) {
    // A scroll bar's value grows downwards; the value counts curves from the
    // last one, so the up arrow moves to the next curve.
    scroll_ = new QScrollBar(Qt::Vertical, this);
    scroll_->setObjectName(QStringLiteral("curveScroll"));
    scroll_->setRange(0, curves_.count() - 1);
    scroll_->setSingleStep(1);
    scroll_->setPageStep(1);
    scroll_->setValue(curves_.count() - 1 - selected_);
    scroll_->setFixedHeight(scroll_->sizeHint().width() * 3);
    scroll_->setToolTip(QStringLiteral("Up: next curve. Down: previous curve."));
    // The arrow keys choose the curve too; the read-only fields stay out of
    // the Tab order.
    scroll_->setFocusPolicy(Qt::StrongFocus);
    connect(scroll_, &QScrollBar::valueChanged, this, &CurveSelector::scrolled);

    number_ = new QLineEdit(this);
    number_->setObjectName(QStringLiteral("curveNumber"));
    number_->setReadOnly(true);
    number_->setFocusPolicy(Qt::ClickFocus);
    number_->setFixedWidth(number_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    expression_ = new QLineEdit(this);
    expression_->setObjectName(QStringLiteral("curveExpression"));
    expression_->setReadOnly(true);
    expression_->setFocusPolicy(Qt::ClickFocus);
    expression_->setMinimumWidth(expression_->fontMetrics().averageCharWidth() * 30);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Curve"), this));
    layout->addWidget(scroll_);
    layout->addWidget(number_);
    layout->addWidget(expression_, 1);
    display(selected_);
}

void CurveSelector::scrolled(int value) {
    const int index = curves_.count() - 1 - value;
    if (index == selected_) return;
    display(index);
    emit selectionChanged(index);
}

void CurveSelector::display(int index) {
    selected_ = index;
    number_->setText(QString::number(index + 1));
    expression_->setText(expressionText(curves_, index));
    expression_->setCursorPosition(0);
}

}  // namespace orrery
