#include "utilities/qt/compound_interest_sheet.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "utilities/qt/finance_page_widget.h"

namespace orrery {

FinancialStates initialFinancialStates() {
    const CivilDate today = localToday();
    return {FinancialState(0, today), FinancialState(1, today), FinancialState(2, today), FinancialState(3, today)};
}

CompoundInterestSheet::CompoundInterestSheet(FinancialStates& states, MessageService& messages,
                                             DialogService& dialogs, QWidget* parent)
    : QDialog(parent) {
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("pageTabs");
    const char* captions[] = {"Future Value", "Present Value", "Ordinary Annuity", "Present Value Annuity"};
    for (std::size_t i = 0; i < states.size(); ++i)
        tabs_->addTab(new FinancePageWidget(states[i], messages, dialogs, [this] { close(); }, tabs_), captions[i]);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        setWindowTitle(page(index).title());
        page(index).activate();
    });
    setWindowTitle(page(0).title());
    page(0).activate();
}

FinancePageWidget& CompoundInterestSheet::page(int index) {
    return *static_cast<FinancePageWidget*>(tabs_->widget(index));
}

}  // namespace orrery
