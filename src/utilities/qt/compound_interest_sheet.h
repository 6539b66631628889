#pragma once

#include <QDialog>
#include <array>

#include "utilities/financial_state.h"

class QTabWidget;

namespace orrery {

class DialogService;
class FinancePageWidget;
class MessageService;

// The four calculators of the Compound Interest sheet, one FinancialState
// each, kept by the caller so that they outlive the sheet.
using FinancialStates = std::array<FinancialState, 4>;
FinancialStates initialFinancialStates();

// The modeless Compound Interest sheet: four pages in tabs, the caption
// following the active page. Each page's Close button closes the sheet.
class CompoundInterestSheet : public QDialog {
    Q_OBJECT

public:
    CompoundInterestSheet(FinancialStates& states, MessageService& messages, DialogService& dialogs,
                          QWidget* parent = nullptr);

    QTabWidget& tabs() { return *tabs_; }
    FinancePageWidget& page(int index);

private:
    QTabWidget* tabs_ = nullptr;
};

}  // namespace orrery
