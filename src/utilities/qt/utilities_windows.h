#pragma once

#include <QPointer>

#include "common/qt/command_module.h"
#include "utilities/qt/compound_interest_sheet.h"

namespace orrery {

class DialogService;
class FrameHooks;
class MessageService;

// The Utilities menu: the modal Conversions dialog and the modeless
// Compound Interest sheet. The remembered measurement type and the four
// finance pages' states live here for the whole run.
class UtilitiesWindows : public CommandModule {
public:
    UtilitiesWindows(MessageService& messages, DialogService& dialogs, FrameHooks& frame);
    ~UtilitiesWindows() override;

    std::vector<int> commands() const override;
    void run(int command) override;

    // The open sheet, or nullptr.
    CompoundInterestSheet* sheet() const { return sheet_; }

private:
    void openConversions();
    void openCompoundInterest();

    MessageService& messages_;
    DialogService& dialogs_;
    FrameHooks& frame_;
    int conversionType_ = 0;
    FinancialStates financial_;
    QPointer<CompoundInterestSheet> sheet_;
};

}  // namespace orrery
