#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/user_message.h"
#include "linear_algebra/matrix_workbench.h"
#include "linear_algebra/vector_workbench.h"

namespace orrery {

// One operand or result as printed: its caption and its entries in row-major order.
struct PrintGrid {
    std::string caption;
    std::uint32_t rows = 0;
    std::uint32_t cols = 0;
    std::vector<std::string> texts;
};

// A piece of the printed expression: a word or sign, or a bracketed grid with
// a raised mark after it (the -1 of an inverse, the T of a transpose).
struct PictureItem {
    std::string mark;                // a word or sign, when there is no grid
    std::optional<PrintGrid> grid;
    std::string superscript;
};

// What the print preview, the printed page and the clipboard picture show:
// the operands with the last operation marked beside them, then the result.
struct SheetPicture {
    std::vector<PictureItem> operands;
    std::vector<PictureItem> result;
    // Set when the operation code is not one the picture knows.
    std::optional<UserMessage> problem;
};

// The Matrices window as printed. Operation codes are those of
// MatrixOperation, 0 for none; `factor` is the scalar text of a multiple.
struct MatrixSheet {
    std::optional<PrintGrid> a, b, result;
    int operation = 0;
    std::string factor;
};

// The Vectors window as printed. Operation codes are VectorOperation + 1, 0 for
// none; `factor` is a multiple's factor, `angles` a rotation's angle texts.
struct VectorSheet {
    std::optional<PrintGrid> a, b, result;
    int operation = 0;
    std::string factor;
    std::vector<std::string> angles;
    bool radians = true;
};

inline int vectorOperationCode(VectorOperation op) { return static_cast<int>(op) + 1; }

SheetPicture matrixPicture(const MatrixSheet& sheet);
SheetPicture vectorPicture(const VectorSheet& sheet);

// Whether an operation read A or B. A picture only marks an operation while
// the operands it read are still the ones shown; after that it would describe
// numbers that are no longer there.
bool matrixOperationReads(int operation, Operand operand);
bool vectorOperationReads(int operation, Operand operand);

// The code a transfer leaves: the window forgets operations on A and on both
// operands (codes 1 to 8), and keeps those on B alone.
int matrixOperationAfterTransfer(int operation);

}  // namespace orrery
