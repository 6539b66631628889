#include "graphing/qt/evaluation_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/qt/message_service.h"
#include "graphing/curve_set.h"
#include "graphing/evaluation_request.h"
#include "graphing/qt/calculus_buttons.h"
#include "graphing/qt/curve_selector.h"

namespace orrery {

EvaluationDialog::EvaluationDialog(const CurveSet& curves, MessageService& messages, QWidget* parent)
    : QDialog(parent), curves_(curves), messages_(messages) {
    setWindowTitle(QStringLiteral("Function evaluation"));
    selector_ = new CurveSelector(this);
    selector_->setCurves(curves_);
    x_ = new QLineEdit(this);
    x_->setObjectName(QStringLiteral("xEdit"));
    y_ = new QLineEdit(this);
    y_->setObjectName(QStringLiteral("yEdit"));
    y_->setReadOnly(true);
    degrees_ = new QCheckBox(QStringLiteral("Degrees"), this);
    degrees_->setObjectName(QStringLiteral("degreesCheck"));

    QPushButton* calculate = namedButton(QStringLiteral("Calculate"), "calculateButton", this);
    connect(calculate, &QPushButton::clicked, this, &EvaluationDialog::calculate);
    // Y belongs to the X, degrees and curve it was calculated for.
    auto stale = [this] {
        y_->clear();
        y_->setToolTip({});
    };
    connect(selector_, &CurveSelector::selectionChanged, this, stale);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("X"), x_);
    fields->addRow(QStringLiteral("Y"), y_);
    fields->addRow(QString(), degrees_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(selector_);
    layout->addLayout(fields);
    // Calculate is the default button: Enter in the X field calculates.
    layout->addLayout(actionRow(this, calculate, [this] { accept(); }));
    x_->setFocus();
}

void EvaluationDialog::calculate() {
    const EvaluationOutcome outcome = evaluateRequest(curves_.curves(), selector_->selected(),
                                                      x_->text().toStdString(), degrees_->isChecked());
    y_->setText(QString::fromStdString(outcome.valueText));
    y_->setCursorPosition(0);
    y_->setToolTip(QString::fromStdString(outcome.preciseText));
    if (outcome.error) messages_.show(*outcome.error);
}

}  // namespace orrery
