#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "common/qt/command_module.h"

namespace orrery {

class FrameHooks;
class GraphView;
class MessageService;

// The calculus tools behind Differentiate (Ctrl+D), Approximate Integral
// (Ctrl+I) and Get Y-Value / Quick Evaluate (Ctrl+Y): each opens its modal
// dialog over the main window's live curves and settings.
class CalculusDialogs : public CommandModule {
public:
    CalculusDialogs(GraphView& view, MessageService& messages, FrameHooks& frame);

    std::vector<int> commands() const override;
    void run(int command) override;

    // The dialog a command opens, not yet shown; null for another id, or
    // when the letters being typed do not make a key (the frame said why).
    std::unique_ptr<QDialog> create(int command);

private:
    GraphView& view_;
    MessageService& messages_;
    FrameHooks& frame_;
    // Derivatives are switched on for every curve the first time the
    // Differentiation dialog opens in a run.
    bool firstDifferentiation_ = true;
};

}  // namespace orrery
