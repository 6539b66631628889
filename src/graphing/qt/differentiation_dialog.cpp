#include "graphing/qt/differentiation_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "common/qt/frame_hooks.h"
#include "graphing/curve_set.h"
#include "graphing/qt/calculus_buttons.h"
#include "graphing/qt/curve_selector.h"
#include "shell/command_ids.h"

namespace orrery {

DifferentiationDialog::DifferentiationDialog(CurveSet& curves, FrameHooks& frame, bool switchAllOn,
                                             QWidget* parent)
    : QDialog(parent), curves_(curves), frame_(frame) {
    setWindowTitle(QStringLiteral("Approximate Differentiation"));
    for (const Curve& curve : curves_.curves()) saved_.push_back(curve.showDerivative);
    if (switchAllOn) curves_.setDerivative(-1, true);

    selector_ = new CurveSelector(this);
    selector_->setCurves(curves_);
    differentiate_ = new QCheckBox(QStringLiteral("Differentiate"), this);
    differentiate_->setObjectName(QStringLiteral("differentiateCheck"));
    showNone_ = namedButton(QStringLiteral("Show no derivatives"), "showNoneButton", this);
    showAll_ = namedButton(QStringLiteral("Show all derivatives"), "showAllButton", this);
    QPushButton* sketch = namedButton(QStringLiteral("Sketch"), "sketchButton", this);

    connect(selector_, &CurveSelector::selectionChanged, this, &DifferentiationDialog::refresh);
    connect(differentiate_, &QCheckBox::clicked, this, [this](bool on) {
        curves_.setDerivative(selector_->selected(), on);
        refresh();
    });
    connect(showNone_, &QPushButton::clicked, this, [this] { setAll(false); });
    connect(showAll_, &QPushButton::clicked, this, [this] { setAll(true); });
    connect(sketch, &QPushButton::clicked, this, &DifferentiationDialog::sketch);

    auto* all = new QHBoxLayout;
    all->addWidget(showNone_);
    all->addWidget(showAll_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(selector_);
    layout->addWidget(differentiate_);
    layout->addLayout(all);
    layout->addLayout(actionRow(this, sketch, [this] { reject(); }));
    refresh();
    differentiate_->setFocus();
}

void DifferentiationDialog::sketch() {
    accept();
    frame_.runCommand(command::kSketch);
}

void DifferentiationDialog::reject() {
    const auto count = std::min(saved_.size(), curves_.curves().size());
    for (std::size_t i = 0; i < count; ++i) curves_.curves()[i].showDerivative = saved_[i];
    QDialog::reject();
    // The graph may have been repainted with the flags being tried.
    frame_.redrawAll();
}

void DifferentiationDialog::setAll(bool on) {
    curves_.setDerivative(-1, on);
    refresh();
}

void DifferentiationDialog::refresh() {
    const int shown = curves_.derivativeCount();
    differentiate_->setChecked(curves_.derivativeShown(selector_->selected()));
    showNone_->setEnabled(shown > 0);
    showAll_->setEnabled(shown < curves_.count());
}

}  // namespace orrery
