#include "shell/qt/graph_output.h"

#include <QWidget>

#include "common/qt/dialog_service.h"
#include "common/qt/frame_hooks.h"
#include "common/qt/message_service.h"
#include "graphing/graph_view.h"
#include "graphing/qt/graph_widget.h"
#include "shell/clipboard_text.h"
#include "shell/command_ids.h"
#include "shell/export_format.h"
#include "shell/qt/picture_export.h"
#include "shell/qt/value_display.h"

namespace orrery {

GraphOutput::GraphOutput(GraphView& view, GraphWidget& graph, ValueDisplay& valueDisplay,
                         MessageService& messages, DialogService& dialogs, FrameHooks& frame,
                         std::function<void(const std::string&)> exported)
    : view_(view),
      graph_(graph),
      valueDisplay_(valueDisplay),
      messages_(messages),
      dialogs_(dialogs),
      frame_(frame),
      exported_(std::move(exported)),
      printView_(dialogs, messages) {
    printView_.setPagePainter(PrintKind::Graph, graphPagePainter(view_, graph_.painter()));
}

std::vector<int> GraphOutput::commands() const {
    using namespace command;
    return {kExport, kPrint, kCopyGraph, kCopyResult, kPasteResult, kPasteText};
}

void GraphOutput::run(int command) {
    using namespace command;
    switch (command) {
        case kExport: exportPicture(); break;
        case kPrint: print(); break;
        case kCopyGraph: copyGraph(); break;
        case kCopyResult: copyResult(); break;
        case kPasteResult: pasteResult(); break;
        case kPasteText: pasteText(); break;
        default: break;
    }
}

bool GraphOutput::exportPicture() {
    const auto chosen = dialogs_.saveFileName({"Export", exportDialogFilter(), "", FolderSlot::Export});
    if (!chosen) return false;
    if (const auto problem = checkExportPath(*chosen)) {
        messages_.show(*problem);
        return false;
    }
    // The picture of the window as it stands, every curve drawn; curves the
    // Sketch already refused are not reported again.
    const EncodedPicture picture =
        encodePicture(*exportFormatFor(*chosen), view_, graph_.painter(), graph_.width(), graph_.height());
    if (const auto failure = savePicture(*chosen, picture)) {
        messages_.show(*failure);
        return false;
    }
    if (exported_) exported_(*chosen);
    return true;
}

void GraphOutput::print() {
    printView_.print(*frame_.frameWindow(), PrintKind::Graph);
    // Printing shows the curves: the window follows.
    frame_.redrawAll();
}

void GraphOutput::copyGraph() {
    if (valueDisplay_.hasFocus())
        dialogs_.setClipboardText(valueDisplay_.text().toStdString());
    else
        dialogs_.setClipboardImage(graphImage(view_, graph_.painter(), graph_.width(), graph_.height(), false));
    returnFocus();
}

void GraphOutput::copyResult() {
    if (const auto text = resultText(view_.curves().current())) dialogs_.setClipboardText(*text);
}

void GraphOutput::pasteResult() {
    if (const auto text = resultText(view_.curves().current())) frame_.typeCharacters(charactersToType(*text));
    returnFocus();
}

void GraphOutput::pasteText() {
    frame_.typeCharacters(charactersToType(dialogs_.clipboardText()));
    returnFocus();
}

void GraphOutput::returnFocus() {
    if (QWidget* window = frame_.frameWindow()) window->setFocus(Qt::OtherFocusReason);
}

}  // namespace orrery
