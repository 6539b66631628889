#pragma once

#include <QDialog>
#include <vector>

#include "statistics/distribution_kind.h"

class QLineEdit;
class QPushButton;

namespace orrery {

class MessageService;
struct DistributionSet;

// The small dialog that finds the upper critical value of a window's
// distribution for a significance level alpha. Degrees of freedom typed here
// change the window's object while the dialog is open; closing it (Close,
// Escape or the title bar) puts back the degrees it had when it opened.
class CriticalValueDialog : public QDialog {
    Q_OBJECT
  public:
    CriticalValueDialog(DistributionKind kind, DistributionSet& distributions,
                        MessageService& messages, QWidget* parent = nullptr);

    void calculate();
    void reject() override;

    // The degree boxes (none, one, or two for F), alpha and the output.
    const std::vector<QLineEdit*>& degreeBoxes() const { return degrees_; }
    QLineEdit* alphaBox() const { return alpha_; }
    QLineEdit* outputBox() const { return output_; }
    QPushButton* calculateButton() const { return calculate_; }
    QPushButton* closeButton() const { return close_; }

  private:
    DistributionKind kind_;
    DistributionSet& distributions_;
    MessageService& messages_;
    std::vector<int> recorded_;
    std::vector<QLineEdit*> degrees_;
    QLineEdit* alpha_ = nullptr;
    QLineEdit* output_ = nullptr;
    QPushButton* calculate_ = nullptr;
    QPushButton* close_ = nullptr;

    std::vector<int> currentDegrees() const;
    void showCurrentDegrees();
    void clearForNextTry();
};

}  // namespace orrery
