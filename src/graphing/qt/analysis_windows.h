#pragma once

#include <QPointer>
#include <vector>

#include "common/qt/command_module.h"

namespace orrery {

class AnalysisWindow;
class DialogService;
class FrameHooks;
class GraphWidget;
class MessageService;
class TableWindow;

// The Analysis (Ctrl+Shift+A) and Table of Values (Ctrl+Shift+T) windows:
// each opens modeless over the live curves, or comes to the front and reads
// the curves again when already open.
class AnalysisWindows : public CommandModule {
public:
    AnalysisWindows(GraphWidget& graph, MessageService& messages, DialogService& dialogs, FrameHooks& frame);
    ~AnalysisWindows() override;

    std::vector<int> commands() const override;
    void run(int command) override;
    void settingsChanged() override;

    AnalysisWindow* analysisWindow() const;
    TableWindow* tableWindow() const;

private:
    GraphWidget& graph_;
    MessageService& messages_;
    DialogService& dialogs_;
    FrameHooks& frame_;
    QPointer<AnalysisWindow> analysis_;
    QPointer<TableWindow> table_;
};

}  // namespace orrery
