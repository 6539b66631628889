#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace orrery {

class CurveSelector;
class CurveSet;
class MessageService;

// "Function evaluation": the selected curve's value at a typed X, in
// radians or degrees. Calculate (also Enter in the X field) shows the value
// printed "%lf" in the read-only Y field, with 17 significant digits in its
// tooltip; a problem goes to an "Input Error" box and empties Y.
//
// Controls by object name: the CurveSelector's, xEdit, yEdit, degreesCheck,
// calculateButton, closeButton.
class EvaluationDialog : public QDialog {
    Q_OBJECT

public:
    EvaluationDialog(const CurveSet& curves, MessageService& messages, QWidget* parent = nullptr);

private:
    void calculate();

    const CurveSet& curves_;
    MessageService& messages_;
    CurveSelector* selector_ = nullptr;
    QLineEdit* x_ = nullptr;
    QLineEdit* y_ = nullptr;
    QCheckBox* degrees_ = nullptr;
};

}  // namespace orrery
