#include "statistics/qt/critical_value_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/c_numeric.h"
#include "common/qt/message_service.h"
#include "statistics/critical_value_request.h"
#include "statistics/distribution_set.h"
#include "statistics/qt/output_box.h"

namespace orrery {
namespace {

// The title and the captions of the boxes: degrees, alpha, output.
struct DialogTexts {
    const char* title;
    std::vector<const char*> degrees;
    const char* alpha;
    const char* output;
};

DialogTexts textsOf(DistributionKind kind) {
    switch (kind) {
        case DistributionKind::Normal:
            return {"Critical Values: Normal Distribution", {}, "alpha", "Z-alpha"};
        case DistributionKind::T:
            return {"Critical Values of the T Distribution",
                    {"Degrees of\nFreedom"},
                    "Alpha",
                    "T-critical"};
        case DistributionKind::F:
            return {"Critical Values of the F Distribution",
                    {"D.F. 1", "D.F. 2"},
                    "Alpha",
                    "F-critical"};
        case DistributionKind::ChiSquare:
            return {"Critical Values of the Chi Square Distribution",
                    {"Degrees of\nFreedom"},
                    "Alpha",
                    "Critical"};
    }
    return {};
}

}  // namespace

CriticalValueDialog::CriticalValueDialog(DistributionKind kind, DistributionSet& distributions,
                                         MessageService& messages, QWidget* parent)
    : QDialog(parent), kind_(kind), distributions_(distributions), messages_(messages) {
    const DialogTexts texts = textsOf(kind);
    setWindowTitle(QString::fromLatin1(texts.title));
    auto* grid = new QGridLayout;
    int row = 0;
    auto addBox = [&](const char* caption) {
        auto* box = new QLineEdit(this);
        grid->addWidget(new QLabel(QString::fromLatin1(caption), this), row, 0);
        grid->addWidget(box, row++, 1);
        return box;
    };
    for (const char* caption : texts.degrees) degrees_.push_back(addBox(caption));
    alpha_ = addBox(texts.alpha);
    output_ = addBox(texts.output);

    calculate_ = new QPushButton(QStringLiteral("Calculate"), this);
    close_ = new QPushButton(QStringLiteral("Close"), this);
    calculate_->setDefault(true);
    close_->setAutoDefault(false);
    connect(calculate_, &QPushButton::clicked, this, &CriticalValueDialog::calculate);
    connect(close_, &QPushButton::clicked, this, &CriticalValueDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calculate_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    recorded_ = currentDegrees();
    showCurrentDegrees();
    clearForNextTry();
}

std::vector<int> CriticalValueDialog::currentDegrees() const {
    switch (kind_) {
        case DistributionKind::T:
            return {distributions_.t.degreesOfFreedom()};
        case DistributionKind::ChiSquare:
            return {distributions_.chiSquare.degreesOfFreedom()};
        case DistributionKind::F:
            return {distributions_.f.d1(), distributions_.f.d2()};
        case DistributionKind::Normal:
            break;
    }
    return {};
}

void CriticalValueDialog::showCurrentDegrees() {
    const std::vector<int> now = currentDegrees();
    for (std::size_t i = 0; i < degrees_.size(); ++i)
        degrees_[i]->setText(QString::fromStdString(formatC("%d", now[i])));
}

void CriticalValueDialog::clearForNextTry() {
    alpha_->clear();
    output_->clear();
    makeOutputBox(*output_);
    alpha_->setFocus();
}

void CriticalValueDialog::calculate() {
    auto degreeText = [this](std::size_t i) { return degrees_.at(i)->text().toStdString(); };
    const std::string alpha = alpha_->text().toStdString();
    CriticalValueOutcome outcome;
    switch (kind_) {
        case DistributionKind::Normal:
            outcome = calculateNormalCritical(distributions_.normal, alpha);
            break;
        case DistributionKind::T:
            outcome = calculateTCritical(distributions_.t, degreeText(0), alpha);
            break;
        case DistributionKind::ChiSquare:
            outcome = calculateChiSquareCritical(distributions_.chiSquare, degreeText(0), alpha);
            break;
        case DistributionKind::F:
            outcome = calculateFCritical(distributions_.f, degreeText(0), degreeText(1), alpha);
            break;
    }
    if (outcome.message) {
        messages_.show(*outcome.message);
        // The boxes show what the object now holds; Close still puts back
        // the degrees the dialog opened with.
        showCurrentDegrees();
        clearForNextTry();
        return;
    }
    output_->setText(QString::fromStdString(outcome.output));
}

void CriticalValueDialog::reject() {
    switch (kind_) {
        case DistributionKind::T:
            distributions_.t.setDegreesOfFreedom(recorded_[0]);
            break;
        case DistributionKind::ChiSquare:
            distributions_.chiSquare.setDegreesOfFreedom(recorded_[0]);
            break;
        case DistributionKind::F:
            distributions_.f.setD1(recorded_[0]);
            distributions_.f.setD2(recorded_[1]);
            break;
        case DistributionKind::Normal:
            break;
    }
    QDialog::reject();
}

}  // namespace orrery
