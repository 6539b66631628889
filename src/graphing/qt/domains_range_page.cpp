#include "graphing/qt/domains_range_page.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>
#include <cmath>

#include "common/c_numeric.h"
#include "common/qt/message_service.h"
#include "graphing/appearance_apply.h"
#include "graphing/graph_view.h"
#include "graphing/limit_validation.h"
#include "graphing/qt/curve_selector.h"

namespace orrery {

DomainsRangePage::DomainsRangePage(GraphSettings& working, GraphView& view, MessageService& messages,
                                   QWidget* parent)
    : AppearancePage(parent), working_(working), view_(view), messages_(messages) {
    const char* const names[] = {"xMinField", "xMaxField", "yMinField", "yMaxField"};
    for (int which = 0; which < 4; ++which) {
        QLineEdit* field = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(names[which]));
        field->setMaxLength(31);
        connect(field, &QLineEdit::textEdited, this,
                [this, which](const QString& text) { fieldEdited(which, text); });
        fields_[static_cast<std::size_t>(which)] = field;
    }
    all_ = new QCheckBox(QStringLiteral("Domains of all curves identical"), this);
    all_->setObjectName(QStringLiteral("allLimitsBox"));
    connect(all_, &QCheckBox::clicked, this, &DomainsRangePage::boxClicked);

    selector_ = new CurveSelector(this);
    selector_->setCurves(view_.curves());
    selector_->setGuard([this](int) { return validate(all_->isChecked()); });
    connect(selector_, &CurveSelector::selectionChanged, this, [this] { reload(); });

    auto* domains = new QGroupBox(QStringLiteral("Domains"), this);
    auto* domainForm = new QFormLayout(domains);
    domainForm->addRow(QStringLiteral("X min"), fields_[0]);
    domainForm->addRow(QStringLiteral("X max"), fields_[1]);
    domainForm->addRow(all_);
    auto* range = new QGroupBox(QStringLiteral("Range"), this);
    auto* rangeForm = new QFormLayout(range);
    rangeForm->addRow(QStringLiteral("Y min"), fields_[2]);
    rangeForm->addRow(QStringLiteral("Y max"), fields_[3]);
    QGroupBox* select = selector_->inGroup(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(domains);
    layout->addWidget(select);
    layout->addWidget(range);
    layout->addStretch(1);
}

void DomainsRangePage::reload() {
    const CurveLimits limits = working_.limitsOf(selector_->selected());
    const LabelFormats& formats = view_.labelFormats();
    for (int which = 0; which < 4; ++which) {
        const std::int32_t decimals = which < 2 ? formats.xDecimals() : formats.yDecimals();
        fields_[static_cast<std::size_t>(which)]->setText(
            QString::fromStdString(formatC("%.*f", decimals, limits.bound(which))));
    }
    all_->setChecked(working_.allLimits);
    accepted_ = working_.limits;
    showLabel();
}

std::array<std::string, 4> DomainsRangePage::fieldTexts() const {
    std::array<std::string, 4> texts;
    for (std::size_t k = 0; k < 4; ++k) texts[k] = fields_[k]->text().toStdString();
    return texts;
}

void DomainsRangePage::showOutcome(const LimitValidation& result) {
    for (std::size_t k = 0; k < 4; ++k)
        if (result.rewrittenFields[k]) fields_[k]->setText(QString::fromStdString(*result.rewrittenFields[k]));
    if (result.uncheckAllCurves) {
        all_->setChecked(false);
        showLabel();
    }
    if (result.message) messages_.show(*result.message);
}

bool DomainsRangePage::validate(bool all) {
    working_.limits = accepted_;
    const int curve = selector_->selected();
    const LimitValidation result = validateLimits(working_, curve, all, fieldTexts());
    showOutcome(result);
    if (result.ok) {
        validated_ = result.limits;
        for (int which = 0; which < 4; ++which) working_.setLimit(curve, which, validated_.bound(which), all);
    }
    accepted_ = working_.limits;
    return result.ok;
}

void DomainsRangePage::fieldEdited(int which, const QString& text) {
    const std::optional<double> value = scanDouble(text.toStdString());
    if (value && std::isfinite(*value)) working_.setLimit(selector_->selected(), which, *value, all_->isChecked());
}

void DomainsRangePage::boxClicked(bool checked) {
    if (checked && selector_->count() > 1 && validate(true)) {
        std::fill(working_.limits.begin(), working_.limits.end(), validated_);
        for (int i = 0; i < selector_->count(); ++i) working_.setLimits(i, validated_, true);
        accepted_ = working_.limits;
    }
    working_.allLimits = all_->isChecked();
    showLabel();
}

void DomainsRangePage::showLabel() {
    const bool same = all_->isChecked() && selector_->count() > 1;
    selector_->setLabelOverride(same ? QStringLiteral("Same Limits for all curves") : QString());
}

bool DomainsRangePage::commit() { return validate(all_->isChecked()); }

void DomainsRangePage::applied() { applyDomains(view_, validated_, all_->isChecked(), fieldTexts()); }

}  // namespace orrery
