#pragma once

#include <QDialog>
#include <vector>

class QCheckBox;
class QPushButton;

namespace orrery {

class CurveSelector;
class CurveSet;
class FrameHooks;

// "Approximate Differentiation": switches the dotted derivative curves on
// and off. The flags change at once; "Sketch" keeps them and draws the
// graph, "Close" (or Escape, or closing the window) puts back the flags the
// curves had when the dialog opened.
//
// Controls by object name: the CurveSelector's, differentiateCheck,
// showNoneButton, showAllButton, sketchButton, closeButton.
class DifferentiationDialog : public QDialog {
    Q_OBJECT

public:
    // switchAllOn: the first opening in a run shows every derivative
    // (the flags saved for Close are those from before).
    DifferentiationDialog(CurveSet& curves, FrameHooks& frame, bool switchAllOn,
                          QWidget* parent = nullptr);

    void reject() override;

private:
    void sketch();
    void setAll(bool on);
    void refresh();

    CurveSet& curves_;
    FrameHooks& frame_;
    std::vector<bool> saved_;
    CurveSelector* selector_ = nullptr;
    QCheckBox* differentiate_ = nullptr;
    QPushButton* showNone_ = nullptr;
    QPushButton* showAll_ = nullptr;
};

}  // namespace orrery
