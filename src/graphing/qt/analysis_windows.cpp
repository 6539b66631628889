#include "graphing/qt/analysis_windows.h"

#include "common/qt/frame_hooks.h"
#include "graphing/qt/analysis_window.h"
#include "graphing/qt/graph_widget.h"
#include "graphing/qt/result_markers.h"
#include "graphing/qt/table_window.h"
#include "shell/command_ids.h"

namespace orrery {

AnalysisWindows::AnalysisWindows(GraphWidget& graph, MessageService& messages, DialogService& dialogs,
                                 FrameHooks& frame)
    : graph_(graph), messages_(messages), dialogs_(dialogs), frame_(frame) {}

AnalysisWindows::~AnalysisWindows() {
    delete analysis_.data();
    delete table_.data();
}

std::vector<int> AnalysisWindows::commands() const { return {command::kAnalysis, command::kTableOfValues}; }

void AnalysisWindows::run(int command) {
    // Letters still being typed become their key first, so the windows read
    // the expression the display shows.
    if (command != command::kAnalysis && command != command::kTableOfValues) return;
    if (!frame_.resolvePendingInput()) return;
    QDialog* window = nullptr;
    if (command == command::kAnalysis) {
        if (!analysis_) analysis_ = new AnalysisWindow(graph_, messages_, dialogs_, frame_.frameWindow());
        analysis_->refresh();
        window = analysis_;
    } else {
        if (!table_) table_ = new TableWindow(graph_.view(), messages_, dialogs_, frame_.frameWindow());
        table_->refresh();
        window = table_;
    }
    window->show();
    window->raise();
    window->activateWindow();
}

AnalysisWindow* AnalysisWindows::analysisWindow() const { return analysis_; }

TableWindow* AnalysisWindows::tableWindow() const { return table_; }

void AnalysisWindows::settingsChanged() {
    if (analysis_ && analysis_->markers()) analysis_->markers()->update();
}

}  // namespace orrery
