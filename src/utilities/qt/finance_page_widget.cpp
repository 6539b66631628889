#include "utilities/qt/finance_page_widget.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <cmath>

#include "common/qt/dialog_service.h"
#include "common/qt/message_service.h"
#include "common/qt/named_controls.h"

namespace orrery {
namespace {

constexpr int kYearLength = 20;

const char* periodsLabel(int kind) {
    switch (kind) {
        case 2: return "Number of\nInstallments";
        case 3: return "Number of\nPayments";
        default: return "Complete\nConversions";
    }
}

QComboBox* makeList(QWidget* parent, const char* name, const std::vector<QString>& items) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    for (const QString& item : items) list->addItem(item);
    return list;
}

std::vector<QString> dayTexts() {
    std::vector<QString> days;
    for (int day = 1; day <= 31; ++day) days.push_back(QString::number(day));
    return days;
}

std::vector<QString> monthTexts() {
    std::vector<QString> months;
    for (const std::string& name : monthNames()) months.push_back(QString::fromStdString(name));
    return months;
}

std::vector<QString> compoundingTexts() {
    std::vector<QString> names;
    for (const Compounding& c : compoundingChoices()) names.push_back(QString::fromStdString(c.name));
    return names;
}

QString qtext(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

FinancePageWidget::FinancePageWidget(FinancialState& state, MessageService& messages, DialogService& dialogs,
                                     std::function<void()> closeSheet, QWidget* parent)
    : QWidget(parent), state_(state), messages_(messages), dialogs_(dialogs) {
    amount_ = makeNamedBox(this, "amountEdit");
    rate_ = makeNamedBox(this, "rateEdit");
    value_ = makeNamedBox(this, "valueEdit");
    periods_ = makeNamedBox(this, "periodsEdit");
    periods_->setReadOnly(true);
    compounding_ = makeList(this, "compoundingList", compoundingTexts());
    presentDay_ = makeList(this, "presentDayList", dayTexts());
    presentMonth_ = makeList(this, "presentMonthList", monthTexts());
    presentYear_ = makeNamedBox(this, "presentYearEdit");
    futureDay_ = makeList(this, "futureDayList", dayTexts());
    futureMonth_ = makeList(this, "futureMonthList", monthTexts());
    futureYear_ = makeNamedBox(this, "futureYearEdit");
    presentYear_->setMaxLength(kYearLength);
    futureYear_->setMaxLength(kYearLength);

    // Each amount box can hand its number to the calculator through the
    // clipboard, where Paste Result picks it up.
    auto withCopy = [this](QLineEdit* box, const char* name) {
        auto* row = new QHBoxLayout;
        row->addWidget(box, 1);
        QPushButton* button = makeNamedButton(this, "Copy", name);
        connect(button, &QPushButton::clicked, this, [this, box] { copy(box); });
        row->addWidget(button);
        return row;
    };
    auto dateRow = [this](QComboBox* day, QComboBox* month, QLineEdit* year) {
        auto* row = new QHBoxLayout;
        row->addWidget(day);
        row->addWidget(month);
        row->addWidget(year, 1);
        return row;
    };

    const int kind = state_.kind;
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Please fill all the boxes except the two bottom right.", this), 0, 0, 1, 4);
    grid->addWidget(new QLabel(qtext(topLeftLabel(kind)), this), 1, 0);
    grid->addLayout(withCopy(amount_, "copyAmountButton"), 1, 1);
    grid->addWidget(new QLabel("Nominal Annual\nRate %", this), 1, 2);
    grid->addLayout(withCopy(rate_, "copyRateButton"), 1, 3);
    grid->addWidget(new QLabel("Compounding", this), 2, 0);
    grid->addWidget(compounding_, 2, 1);
    grid->addWidget(new QLabel("Present Date", this), 3, 0);
    grid->addLayout(dateRow(presentDay_, presentMonth_, presentYear_), 3, 1);
    grid->addWidget(new QLabel("Future Date", this), 3, 2);
    grid->addLayout(dateRow(futureDay_, futureMonth_, futureYear_), 3, 3);
    grid->addWidget(new QLabel(periodsLabel(kind), this), 4, 0);
    grid->addWidget(periods_, 4, 1);
    grid->addWidget(new QLabel(qtext(bottomRightLabel(kind)), this), 4, 2);
    grid->addLayout(withCopy(value_, "copyValueButton"), 4, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    calculate_ = makeNamedButton(this, "Calculate", "calculateButton");
    QPushButton* clearButton = makeNamedButton(this, "Clear", "clearButton");
    QPushButton* closeButton = makeNamedButton(this, "Close", "closeButton");
    buttons->addWidget(calculate_);
    buttons->addWidget(clearButton);
    buttons->addWidget(closeButton);
    grid->addLayout(buttons, 5, 0, 1, 4);
    grid->setRowStretch(6, 1);

    connect(calculate_, &QPushButton::clicked, this, &FinancePageWidget::calculate);
    connect(clearButton, &QPushButton::clicked, this, &FinancePageWidget::clear);
    connect(closeButton, &QPushButton::clicked, this, [closeSheet] { closeSheet(); });
    show(FillDialog(state_));
}

QString FinancePageWidget::title() const {
    switch (state_.kind) {
        case 0: return "Compound Interest: Future Value";
        case 1: return "Compound Interest: Present Value";
        case 2: return "Ordinary Annuity";
        default: return "Present Value Annuity";
    }
}

FinancePage FinancePageWidget::read() const {
    FinancePage page;
    page.amount = amount_->text().toStdString();
    page.rate = rate_->text().toStdString();
    page.value = value_->text().toStdString();
    page.periods = periods_->text().toStdString();
    page.compounding = compounding_->currentIndex();
    page.presentDay = presentDay_->currentIndex() + 1;
    page.presentMonth = presentMonth_->currentIndex();
    page.presentYear = presentYear_->text().toStdString();
    page.futureDay = futureDay_->currentIndex() + 1;
    page.futureMonth = futureMonth_->currentIndex();
    page.futureYear = futureYear_->text().toStdString();
    return page;
}

void FinancePageWidget::show(const FinancePage& page) {
    amount_->setText(qtext(page.amount));
    rate_->setText(qtext(page.rate));
    value_->setText(qtext(page.value));
    periods_->setText(qtext(page.periods));
    compounding_->setCurrentIndex(page.compounding);
    presentDay_->setCurrentIndex(page.presentDay - 1);
    presentMonth_->setCurrentIndex(page.presentMonth);
    presentYear_->setText(qtext(page.presentYear));
    futureDay_->setCurrentIndex(page.futureDay - 1);
    futureMonth_->setCurrentIndex(page.futureMonth);
    futureYear_->setText(qtext(page.futureYear));
}

void FinancePageWidget::activate() {
    calculate_->setDefault(true);  // and no other page's button
    amount_->setFocus();
}

void FinancePageWidget::calculate() {
    const CalculateOutcome outcome = Calculate(state_, read());
    if (outcome.warning) messages_.show(*outcome.warning);
    if (outcome.problem) messages_.show(*outcome.problem);
    show(outcome.page);
}

void FinancePageWidget::clear() {
    state_ = FinancialState(state_.kind, localToday());
    show(FillDialog(state_));
}

void FinancePageWidget::copy(const QLineEdit* box) {
    // Only a number is worth pasting into the calculator.
    const QString text = box->text().trimmed();
    bool isNumber = false;
    const double number = QLocale::c().toDouble(text, &isNumber);
    if (!isNumber || !std::isfinite(number)) return;
    dialogs_.setClipboardText(text.toStdString());
}

}  // namespace orrery
