#include "graphing/qt/curve_selector.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "graphing/curve.h"
#include "graphing/curve_set.h"

namespace orrery {

CurveSelector::CurveSelector(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("curveSelector"));
    bar_ = new QScrollBar(Qt::Vertical, this);
    bar_->setObjectName(QStringLiteral("curveBar"));
    bar_->setFixedHeight(bar_->sizeHint().width() * 3);
    bar_->setPageStep(1);
    number_ = new QLabel(this);
    number_->setObjectName(QStringLiteral("curveNumber"));
    number_->setMinimumWidth(number_->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    number_->setAlignment(Qt::AlignCenter);
    number_->setFrameShape(QFrame::Panel);
    number_->setFrameShadow(QFrame::Sunken);
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("curveLabel"));
    label_->setTextFormat(Qt::PlainText);
    label_->setMinimumWidth(label_->fontMetrics().averageCharWidth() * 24);
    label_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_);
    layout->addWidget(number_);
    layout->addWidget(label_, 1);
    connect(bar_, &QScrollBar::valueChanged, this, &CurveSelector::barMoved);
    setCurves({QString()}, 0);
}

QString CurveSelector::expressionText(const Curve& curve) {
    std::string text;
    for (const ExpressionToken& token : curve.tokens) text += textForm(token);
    return QString::fromStdString(text);
}

void CurveSelector::setCurves(std::vector<QString> texts, int selected) {
    if (texts.empty()) texts.emplace_back();
    texts_ = std::move(texts);
    const QSignalBlocker block(bar_);
    bar_->setRange(0, count() - 1);
    setEnabled(count() > 1);
    display(std::clamp(selected, 0, count() - 1));
}

void CurveSelector::setCurves(const CurveSet& curves) {
    std::vector<QString> texts;
    for (const Curve& c : curves.curves()) texts.push_back(expressionText(c));
    setCurves(std::move(texts), curves.currentIndex());
}

QGroupBox* CurveSelector::inGroup(QWidget* parent) {
    auto* group = new QGroupBox(QStringLiteral("Select Curve"), parent);
    (new QVBoxLayout(group))->addWidget(this);
    return group;
}

void CurveSelector::setSelected(int index) {
    if (index < 0 || index >= count()) return;
    display(index);
}

void CurveSelector::display(int index) {
    selected_ = index;
    const QSignalBlocker block(bar_);
    bar_->setValue(valueOf(index));
    number_->setText(QString::number(index + 1));
    label_->setText(override_.isEmpty() ? texts_[static_cast<std::size_t>(index)] : override_);
}

void CurveSelector::barMoved(int value) {
    const int index = count() - 1 - value;
    if (index == selected_) return;
    if (guard_ && !guard_(index)) {
        display(selected_);
        return;
    }
    display(index);
    emit selectionChanged(index);
}

void CurveSelector::setLabelOverride(const QString& text) {
    override_ = text;
    display(selected_);
}

QString CurveSelector::labelText() const { return label_->text(); }

}  // namespace orrery
