#include "graphing/qt/rgb_picker.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "common/qt/dialog_service.h"
#include "common/qt/qt_color.h"
#include "graphing/curve_set.h"
#include "graphing/graph_settings.h"
#include "graphing/qt/curve_selector.h"

namespace orrery {

namespace {

// The sample: a framed rectangle in the picked colour.
class ColorSample : public QWidget {
public:
    using QWidget::QWidget;
    void setColor(const QColor& color) {
        color_ = color;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), color_);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    QColor color_;
};

bool perCurve(ColorKind kind) { return kind == ColorKind::Curve || kind == ColorKind::OriginalPoints; }

}  // namespace

RgbPicker::RgbPicker(GraphSettings& working, ColorKind kind, const CurveSet& curves, DialogService& dialogs,
                     QString statusText, QWidget* parent)
    : AppearancePage(parent), working_(working), kind_(kind), dialogs_(dialogs), status_(std::move(statusText)) {
    auto* grid = new QGridLayout;
    const char* const texts[] = {"Red", "Green", "Blue"};
    const char* const bars[] = {"redBar", "greenBar", "blueBar"};
    const char* const values[] = {"redValue", "greenValue", "blueValue"};
    const Qt::GlobalColor inks[] = {Qt::red, Qt::darkGreen, Qt::blue};
    for (int part = 0; part < 3; ++part) {
        auto* label = new QLabel(QString::fromLatin1(texts[part]), this);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, inks[part]);
        label->setPalette(palette);
        QScrollBar* bar = new QScrollBar(Qt::Horizontal, this);
        bar->setObjectName(QString::fromLatin1(bars[part]));
        bar->setRange(0, 255);
        bar->setSingleStep(1);
        bar->setPageStep(16);
        bar->setMinimumWidth(bar->fontMetrics().averageCharWidth() * 30);
        auto* value = new QLineEdit(this);
        value->setObjectName(QString::fromLatin1(values[part]));
        value->setReadOnly(true);
        value->setFixedWidth(value->fontMetrics().averageCharWidth() * 4 + 16);
        connect(bar, &QScrollBar::valueChanged, this, &RgbPicker::scrolled);
        grid->addWidget(label, part, 0);
        grid->addWidget(bar, part, 1);
        grid->addWidget(value, part, 2);
        bars_[static_cast<std::size_t>(part)] = bar;
        values_[static_cast<std::size_t>(part)] = value;
    }

    grid->setColumnStretch(1, 1);

    auto* sample = new ColorSample(this);
    sample->setObjectName(QStringLiteral("sample"));
    sample->setMinimumSize(120, 60);
    sample_ = sample;
    auto* more = new QPushButton(QStringLiteral("More…"), this);
    more->setObjectName(QStringLiteral("moreButton"));
    connect(more, &QPushButton::clicked, this, &RgbPicker::chooseMore);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    auto* sampleRow = new QHBoxLayout;
    sampleRow->addWidget(sample_, 1);
    sampleRow->addWidget(more, 0, Qt::AlignBottom);
    layout->addLayout(sampleRow);
    if (perCurve(kind_)) {
        selector_ = new CurveSelector(this);
        selector_->setCurves(curves);
        connect(selector_, &CurveSelector::selectionChanged, this, [this] { reload(); });
        layout->addWidget(selector_->inGroup(this));
    }
    layout->addStretch(1);
}

int RgbPicker::curve() const { return selector_ ? selector_->selected() : 0; }

ColorRef RgbPicker::color() const { return makeRgb(bars_[0]->value(), bars_[1]->value(), bars_[2]->value()); }

void RgbPicker::reload() { showColor(working_.color(kind_, curve())); }

void RgbPicker::showColor(ColorRef color) {
    const int parts[] = {redOf(color), greenOf(color), blueOf(color)};
    for (std::size_t k = 0; k < 3; ++k) {
        const QSignalBlocker block(bars_[k]);
        bars_[k]->setValue(parts[k]);
        values_[k]->setText(QString::asprintf("%i", parts[k]));
    }
    static_cast<ColorSample*>(sample_)->setColor(toQColor(color));
}

void RgbPicker::scrolled() {
    const ColorRef picked = color();
    showColor(picked);
    working_.setColor(kind_, curve(), picked);
}

void RgbPicker::chooseMore() {
    const std::optional<ColorRef> chosen = dialogs_.chooseColor(color());
    if (!chosen) return;
    showColor(*chosen);
    working_.setColor(kind_, curve(), *chosen);
}

}  // namespace orrery
