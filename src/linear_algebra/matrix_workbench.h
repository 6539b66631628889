#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/user_message.h"
#include "linear_algebra/entry_reading.h"
#include "linear_algebra/matrix.h"

namespace orrery {

// What the Matrices window hands over for one operand: the sizes chosen in its
// combo boxes (0 while not chosen) and its cell texts in row-major order.
struct MatrixOperand {
    std::uint32_t rows = 0;
    std::uint32_t cols = 0;
    std::vector<std::string> cells;

    friend bool operator==(const MatrixOperand&, const MatrixOperand&) = default;
};

// The window's operations; the numbers are the codes its print preview describes.
enum class MatrixOperation {
    DeterminantA = 1, InverseA, TransposeA, ScaleA, EchelonA,
    Product, Sum, Difference,
    DeterminantB, InverseB, TransposeB, ScaleB, EchelonB,
};

struct MatrixOutcome {
    std::optional<UserMessage> problem;  // when set, nothing else is meaningful
    std::optional<CellFocus> focus;
    Matrix result;
    std::vector<std::string> texts;  // the result's entries, row-major, formatted
};

// Checks the sizes, reads the cells and performs the operation. `scalarText` is
// the box under the operand's "Multiply" button (only the scale operations read it).
MatrixOutcome performMatrixOperation(MatrixOperation operation, const MatrixOperand& a,
                                     const MatrixOperand& b, std::string_view scalarText = {});

// "Fill": the text to write into every cell, or the problem.
FillOutcome fillMatrix(std::uint32_t rows, std::uint32_t cols, std::string_view boxText);
std::optional<UserMessage> checkClearMatrix(std::uint32_t rows, std::uint32_t cols);

// "A <- Result" and "Result -> B" before any operation.
std::optional<UserMessage> checkMatrixTransfer(bool haveResult);
// Print and print preview without operands.
std::optional<UserMessage> checkMatrixPrint(bool haveOperands);

}  // namespace orrery
