#pragma once

#include <QDialog>
#include <string>

#include "common/color_ref.h"
#include "fitting/fit_data.h"
#include "fitting/spreadsheet_source.h"

class QCheckBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QScrollBar;

namespace orrery {

class DialogService;
class FrameHooks;
class GraphView;
class MessageService;

// What one fitting dialog keeps between its openings for the whole run.
struct FittingMemory {
    SpreadsheetSource source;
    FitData fit;
    bool showOriginalPoints = true;
    int degree = 1;
};

// The modal "Polynomial Curve Fitting" and "Exponential Curve Fitting"
// dialogs: where the points are in a workbook, Calculate to fit them, and
// Sketch to fit and put the curve on the graph.
//
// Controls by object name: fileEdit, browseButton, sheetEdit,
// topLeftColumnEdit, topLeftRowEdit, bottomRightColumnEdit,
// bottomRightRowEdit, degreeEdit and degreeScroll (polynomial only),
// pointsEdit, equationEdit, errorEdit, showOriginalCheck, colorButton,
// importProgress, sketchButton, calculateButton, closeButton.
class FittingDialog : public QDialog {
    Q_OBJECT

public:
    FittingDialog(FitModel model, FittingMemory& memory, GraphView& view, MessageService& messages,
                  DialogService& dialogs, FrameHooks& frame, QWidget* parent = nullptr);

    // Calculate; false after the message that refused it.
    bool calculate();
    // Calculate, then the curve onto the graph and the dialog closed.
    void sketch();
    ColorRef pointColor() const { return pointColor_; }

private:
    QWidget* buildWorksheet();
    QWidget* buildCurve();
    QWidget* buildAppearance();
    void stepDegree(int step);
    void browse();
    void chooseColor();
    void showColor();

    FitModel model_;
    FittingMemory& memory_;
    GraphView& view_;
    MessageService& messages_;
    DialogService& dialogs_;
    FrameHooks& frame_;
    ColorRef pointColor_ = 0;

    QLineEdit* file_ = nullptr;
    QLineEdit* sheet_ = nullptr;
    QLineEdit* topLeftColumn_ = nullptr;
    QLineEdit* topLeftRow_ = nullptr;
    QLineEdit* bottomRightColumn_ = nullptr;
    QLineEdit* bottomRightRow_ = nullptr;
    QLineEdit* degree_ = nullptr;
    QScrollBar* degreeScroll_ = nullptr;
    QLineEdit* points_ = nullptr;
    QLineEdit* equation_ = nullptr;
    QLineEdit* error_ = nullptr;
    QCheckBox* showOriginal_ = nullptr;
    QPushButton* color_ = nullptr;
    QProgressBar* progress_ = nullptr;
};

}  // namespace orrery
