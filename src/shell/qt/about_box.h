#pragma once

#include <QDialog>

namespace orrery {

class AboutAutomaton;
class AutomatonView;
class MessageService;

// "About Orrery": two lines about the program and its makers, and the
// automaton that Evolve refines and Reset restarts. The automaton belongs to
// the caller, so its grid outlives the box.
//
// Controls by object name: automatonView, evolveButton, resetButton, okButton.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(AboutAutomaton& automaton, MessageService& messages, QWidget* parent = nullptr);

    AutomatonView& view() { return *view_; }

private:
    void evolve();
    void reset();

    AboutAutomaton& automaton_;
    MessageService& messages_;
    AutomatonView* view_ = nullptr;
};

}  // namespace orrery
