#include "utilities/qt/utilities_windows.h"

#include "common/qt/frame_hooks.h"
#include "shell/command_ids.h"
#include "utilities/qt/conversions_dialog.h"

namespace orrery {

UtilitiesWindows::UtilitiesWindows(MessageService& messages, DialogService& dialogs, FrameHooks& frame)
    : messages_(messages), dialogs_(dialogs), frame_(frame), financial_(initialFinancialStates()) {}

UtilitiesWindows::~UtilitiesWindows() {
    // The sheet's pages refer to the states held here.
    delete sheet_.data();
}

std::vector<int> UtilitiesWindows::commands() const { return {command::kConversions, command::kCompoundInterest}; }

void UtilitiesWindows::run(int command) {
    if (command == command::kConversions) openConversions();
    if (command == command::kCompoundInterest) openCompoundInterest();
}

void UtilitiesWindows::openConversions() {
    ConversionsDialog dialog(conversionType_, messages_, frame_.frameWindow());
    dialog.exec();
}

void UtilitiesWindows::openCompoundInterest() {
    if (!sheet_) {
        sheet_ = new CompoundInterestSheet(financial_, messages_, dialogs_, frame_.frameWindow());
        sheet_->setAttribute(Qt::WA_DeleteOnClose);
    }
    sheet_->show();
    sheet_->raise();
    sheet_->activateWindow();
}

}  // namespace orrery
