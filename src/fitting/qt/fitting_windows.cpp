#include "fitting/qt/fitting_windows.h"

#include "common/qt/frame_hooks.h"
#include "shell/command_ids.h"

namespace orrery {

FittingWindows::FittingWindows(GraphView& view, MessageService& messages, DialogService& dialogs, FrameHooks& frame)
    : view_(view), messages_(messages), dialogs_(dialogs), frame_(frame) {}

std::vector<int> FittingWindows::commands() const { return {command::kPolynomialFit, command::kExponentialFit}; }

void FittingWindows::run(int command) {
    if (command != command::kPolynomialFit && command != command::kExponentialFit) return;
    const FitModel model = command == command::kPolynomialFit ? FitModel::Polynomial : FitModel::Exponential;
    FittingDialog dialog(model, memory(model), view_, messages_, dialogs_, frame_, frame_.frameWindow());
    dialog.exec();
}

}  // namespace orrery
