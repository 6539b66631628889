#pragma once

#include <QWidget>
#include <functional>

#include "utilities/finance_page.h"
#include "utilities/financial_state.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace orrery {

class DialogService;
class MessageService;

// One page of the Compound Interest sheet, a thin window over its
// FinancialState, which belongs to the caller and outlives the page.
//
// Controls by object name: amountEdit (1880), rateEdit, valueEdit (1900),
// periodsEdit, compoundingList, presentDayList, presentMonthList,
// presentYearEdit, futureDayList, futureMonthList, futureYearEdit,
// calculateButton, clearButton, closeButton, copyAmountButton,
// copyRateButton, copyValueButton.
class FinancePageWidget : public QWidget {
    Q_OBJECT

public:
    FinancePageWidget(FinancialState& state, MessageService& messages, DialogService& dialogs,
                      std::function<void()> closeSheet, QWidget* parent = nullptr);

    // The window title of the page, which the sheet takes when it is active.
    QString title() const;

    void calculate();
    void clear();
    // The page became the sheet's active one: Enter calculates on it and
    // typing starts in its first box.
    void activate();

private:
    FinancePage read() const;
    void show(const FinancePage& page);
    void copy(const QLineEdit* box);

    FinancialState& state_;
    MessageService& messages_;
    DialogService& dialogs_;
    QPushButton* calculate_ = nullptr;
    QLineEdit* amount_ = nullptr;
    QLineEdit* rate_ = nullptr;
    QLineEdit* value_ = nullptr;
    QLineEdit* periods_ = nullptr;
    QComboBox* compounding_ = nullptr;
    QComboBox* presentDay_ = nullptr;
    QComboBox* presentMonth_ = nullptr;
    QLineEdit* presentYear_ = nullptr;
    QComboBox* futureDay_ = nullptr;
    QComboBox* futureMonth_ = nullptr;
    QLineEdit* futureYear_ = nullptr;
};

}  // namespace orrery
