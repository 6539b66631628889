#pragma once

#include "common/qt/command_module.h"
#include "fitting/qt/fitting_dialog.h"

namespace orrery {

class DialogService;
class FrameHooks;
class GraphView;
class MessageService;

// The two curve-fitting dialogs. Each keeps its workbook, cells, points and
// fit here for the whole run, so reopening it shows the last entries.
class FittingWindows : public CommandModule {
public:
    FittingWindows(GraphView& view, MessageService& messages, DialogService& dialogs, FrameHooks& frame);

    std::vector<int> commands() const override;
    void run(int command) override;

    FittingMemory& memory(FitModel model) {
        return model == FitModel::Polynomial ? polynomial_ : exponential_;
    }

private:
    GraphView& view_;
    MessageService& messages_;
    DialogService& dialogs_;
    FrameHooks& frame_;
    FittingMemory polynomial_;
    FittingMemory exponential_;
};

}  // namespace orrery
