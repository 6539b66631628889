#pragma once

#include <array>

#include "linear_algebra/qt/workbench_window.h"
#include "linear_algebra/vector_workbench.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace orrery {

class CellGrid;

// The "Vectors" window: vectors A and B with their dimension boxes, rows of
// cells and buttons (norm, normalisation, rotation with its angle boxes and
// Radians/Degrees pair, multiple, fill, clear), the operations between them,
// the result row and the transfers. Every operation is done by
// performVectorOperation.
//
// Object names: aDim, bDim; cells cellA0.., cellB0.., cellR0..; per vector
// (suffix A or B) norm, normalize, rotate, angle0..angle2 (+suffix), radians,
// degrees, multiply, multiplyBox, fill, fillBox, clear; dot, cross, sum,
// difference, projBOnA, projAOnB, perpBToA, perpAToB, toA, toB, close.
class VectorsWindow : public WorkbenchWindow {
    Q_OBJECT
public:
    VectorsWindow(MessageService& messages, DialogService& dialogs, QWidget* parent = nullptr);

    CellGrid& grid(Operand operand) const;
    QComboBox& sizeBox(Operand operand) const;
    int lastOperation() const { return operation_; }

protected:
    std::optional<UserMessage> pictureProblem() const override;
    SheetPicture picture() const override;

private:
    struct VectorControls {
        QComboBox* size = nullptr;
        CellGrid* grid = nullptr;
        std::array<QLineEdit*, 3> angles{};
        QCheckBox* radians = nullptr;
        QCheckBox* degrees = nullptr;
        QLineEdit* multiplyBox = nullptr;
        QLineEdit* fillBox = nullptr;
    };

    QWidget* buildVectorPanel(int index, const QString& suffix, std::vector<QWidget*>& cycle);
    QWidget* buildBetweenButtons(std::vector<QWidget*>& cycle);
    VectorOperand operand(int index) const;
    std::optional<PrintGrid> printed(int index, const char* caption) const;
    void perform(VectorOperation operation);
    void fill(int index);
    void clear(int index);
    void transfer(int index);
    void reshape(int index);
    void setUnits(int index, bool radians);

    std::array<VectorControls, 2> vectors_;
    CellGrid* resultGrid_ = nullptr;
    std::vector<std::string> resultTexts_;
    bool haveResult_ = false;
    int operation_ = 0;
    VectorOperand readA_, readB_;
};

}  // namespace orrery
