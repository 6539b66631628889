// The main window's Undo and Redo: the frame shows its edit history the
// document after every action and puts back what the history returns.
#include "graphing/qt/graph_widget.h"
#include "shell/command_ids.h"
#include "shell/qt/calculator_face.h"
#include "shell/qt/frame_menus.h"
#include "shell/qt/main_frame.h"

namespace orrery {

void MainFrame::startHistory() {
    history_.start(view_);
    menus_->setEnabled(command::kUndo, false);
    menus_->setEnabled(command::kRedo, false);
}

void MainFrame::recordEdit() {
    // Destruction of the windows may still report focus changes.
    if (menus_ == nullptr) return;
    history_.observe(view_);
    menus_->setEnabled(command::kUndo, history_.canUndo());
    menus_->setEnabled(command::kRedo, history_.canRedo());
}

void MainFrame::rebaseHistory() {
    history_.rebase(view_);
}

void MainFrame::undoEdit(bool redo) {
    // The Graph Text dialog's copy of the text, and half-typed letters,
    // belong to the state being left.
    dismissTextDialog();
    input_.clear();
    if (redo ? history_.redo(view_) : history_.undo(view_)) settingsChanged();
    menus_->setEnabled(command::kUndo, history_.canUndo());
    menus_->setEnabled(command::kRedo, history_.canRedo());
}

}  // namespace orrery
