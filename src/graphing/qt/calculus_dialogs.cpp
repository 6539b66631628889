#include "graphing/qt/calculus_dialogs.h"

#include <algorithm>

#include "common/qt/frame_hooks.h"
#include "graphing/graph_view.h"
#include "graphing/qt/differentiation_dialog.h"
#include "graphing/qt/evaluation_dialog.h"
#include "graphing/qt/integration_dialog.h"
#include "shell/command_ids.h"

namespace orrery {

CalculusDialogs::CalculusDialogs(GraphView& view, MessageService& messages, FrameHooks& frame)
    : view_(view), messages_(messages), frame_(frame) {}

std::vector<int> CalculusDialogs::commands() const {
    return {command::kDifferentiate, command::kIntegrate, command::kQuickEvaluate};
}

std::unique_ptr<QDialog> CalculusDialogs::create(int command) {
    const std::vector<int> ids = commands();
    if (std::find(ids.begin(), ids.end(), command) == ids.end()) return nullptr;
    // "2sin" with the cursor before an x still waits for an "h": the dialog
    // would otherwise work on "2x" while the display shows "2sinx".
    if (!frame_.resolvePendingInput()) return nullptr;
    QWidget* parent = frame_.frameWindow();
    switch (command) {
        case command::kDifferentiate: {
            const bool switchAllOn = firstDifferentiation_;
            firstDifferentiation_ = false;
            return std::make_unique<DifferentiationDialog>(view_.curves(), frame_, switchAllOn, parent);
        }
        case command::kIntegrate: return std::make_unique<IntegrationDialog>(view_, frame_, parent);
        case command::kQuickEvaluate:
            return std::make_unique<EvaluationDialog>(view_.curves(), messages_, parent);
        default: return nullptr;
    }
}

void CalculusDialogs::run(int command) {
    if (std::unique_ptr<QDialog> dialog = create(command)) dialog->exec();
}

}  // namespace orrery
