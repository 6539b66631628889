#pragma once

#include <functional>
#include <string>

#include "common/qt/command_module.h"
#include "shell/qt/print_view.h"

namespace orrery {

class DialogService;
class FrameHooks;
class GraphView;
class GraphWidget;
class MessageService;
class ValueDisplay;

// Every way of getting the graph or a result out of the program: Export,
// Print, Copy Graph, Copy Result, Paste Result, and Paste Text (the
// clipboard's text typed into the current curve).
class GraphOutput : public CommandModule {
public:
    // `exported` records a written picture: the title and the recent files.
    GraphOutput(GraphView& view, GraphWidget& graph, ValueDisplay& valueDisplay, MessageService& messages,
                DialogService& dialogs, FrameHooks& frame, std::function<void(const std::string&)> exported);

    std::vector<int> commands() const override;
    void run(int command) override;

    PrintView& printView() { return printView_; }

    // The Export command; true when a picture was written.
    bool exportPicture();

private:
    GraphView& view_;
    GraphWidget& graph_;
    ValueDisplay& valueDisplay_;
    MessageService& messages_;
    DialogService& dialogs_;
    FrameHooks& frame_;
    std::function<void(const std::string&)> exported_;
    PrintView printView_;

    void print();
    void copyGraph();
    void copyResult();
    void pasteResult();
    void pasteText();
    void returnFocus();
};

}  // namespace orrery
