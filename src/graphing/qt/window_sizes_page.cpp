#include "graphing/qt/window_sizes_page.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "graphing/appearance_apply.h"
#include "graphing/graph_settings.h"

namespace orrery {

namespace {

QRadioButton* radio(const char* text, const char* name, QWidget* parent, QButtonGroup* group) {
    auto* button = new QRadioButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    group->addButton(button);
    return button;
}

}  // namespace

WindowSizesPage::WindowSizesPage(GraphSettings& working, QWidget* parent)
    : AppearancePage(parent), working_(working) {
    auto* tips = new QGroupBox(QStringLiteral("Tooltips"), this);
    auto* tipsGroup = new QButtonGroup(this);
    auto* tipsText = new QLabel(QStringLiteral("When the mouse hovers over a function key on the keyboard, the domain "
                                               "and range of that function can be displayed."),
                                tips);
    tipsText->setWordWrap(true);
    show_ = radio("Show", "tipsShow", tips, tipsGroup);
    hide_ = radio("Hide", "tipsHide", tips, tipsGroup);
    auto* tipsLayout = new QVBoxLayout(tips);
    tipsLayout->addWidget(tipsText);
    tipsLayout->addWidget(show_);
    tipsLayout->addWidget(hide_);

    auto* sizes = new QGroupBox(QStringLiteral("Window Sizes"), this);
    auto* sizesGroup = new QButtonGroup(this);
    split_ = radio("Split screen", "splitScreen", sizes, sizesGroup);
    full_ = radio("Full-screen", "fullScreen", sizes, sizesGroup);
    proportion_ = new QGroupBox(QStringLiteral("Graph Window 10% - 90%"), sizes);
    proportion_->setObjectName(QStringLiteral("proportionGroup"));
    slider_ = new QSlider(Qt::Horizontal, proportion_);
    slider_->setObjectName(QStringLiteral("proportionSlider"));
    slider_->setRange(1, 19);
    slider_->setPageStep(1);
    slider_->setTickPosition(QSlider::TicksBelow);
    (new QVBoxLayout(proportion_))->addWidget(slider_);
    auto* sizesLayout = new QVBoxLayout(sizes);
    sizesLayout->addWidget(split_);
    sizesLayout->addWidget(full_);
    sizesLayout->addWidget(proportion_);
    // The share matters only while the calculator and the graph share the window.
    connect(split_, &QRadioButton::toggled, proportion_, &QWidget::setVisible);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tips);
    layout->addWidget(sizes);
    layout->addStretch(1);
}

void WindowSizesPage::reload() {
    (working_.toolTips ? show_ : hide_)->setChecked(true);
    (working_.splitScreen ? split_ : full_)->setChecked(true);
    proportion_->setVisible(working_.splitScreen);
    slider_->setValue(proportionTrackbarPosition(working_.calculatorProportion));
}

bool WindowSizesPage::commit() {
    working_.toolTips = show_->isChecked();
    working_.splitScreen = split_->isChecked();
    // An untouched trackbar keeps the exact share (such as 0.495, or one set
    // by dragging the divider) rather than rounding it to a step.
    if (slider_->value() != proportionTrackbarPosition(working_.calculatorProportion))
        working_.calculatorProportion = calculatorProportionAt(slider_->value());
    return true;
}

}  // namespace orrery
