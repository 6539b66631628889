#pragma once

#include <array>

#include "linear_algebra/matrix_workbench.h"
#include "linear_algebra/qt/workbench_window.h"

class QComboBox;
class QLineEdit;

namespace orrery {

class CellGrid;

// The "Matrices" window: the left matrix A and the right matrix B with their
// size boxes, their grids and buttons, the operations between them, and the
// result grid at the bottom centre with the two transfers. Every operation is
// done by performMatrixOperation; the window only hands over the texts and
// shows what comes back.
//
// Object names: aRows, aCols, bRows, bCols; grids cellA0.., cellB0.., cellR0..;
// per operand (suffix A or B) determinant, inverse, transpose, echelon,
// multiply, multiplyBox, fill, fillBox, clear; product, sum, difference,
// toA, toB.
class MatricesWindow : public WorkbenchWindow {
    Q_OBJECT
public:
    MatricesWindow(MessageService& messages, DialogService& dialogs, QWidget* parent = nullptr);

    CellGrid& grid(Operand operand) const;
    QComboBox& sizeBox(Operand operand, bool rows) const;
    // The code of the last operation, 0 for none.
    int lastOperation() const { return operation_; }

protected:
    std::optional<UserMessage> pictureProblem() const override;
    SheetPicture picture() const override;

private:
    struct OperandControls {
        QComboBox* rows = nullptr;
        QComboBox* cols = nullptr;
        CellGrid* grid = nullptr;
        QLineEdit* multiplyBox = nullptr;
        QLineEdit* fillBox = nullptr;
    };

    QWidget* buildOperandButtons(int index, const QString& suffix, std::vector<QWidget*>& cycle);
    MatrixOperand operand(int index) const;
    std::optional<PrintGrid> printed(int index, const char* caption) const;
    void perform(MatrixOperation operation);
    void fill(int index);
    void clear(int index);
    void transfer(int index);
    void reshape(int index);

    std::array<OperandControls, 2> operands_;
    CellGrid* resultGrid_ = nullptr;
    Matrix result_;
    std::vector<std::string> resultTexts_;
    bool haveResult_ = false;
    // What the last operation read, so the picture marks it only while it still holds.
    int operation_ = 0;
    MatrixOperand readA_, readB_;
    std::string factor_;
};

}  // namespace orrery
