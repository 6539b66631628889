#include "linear_algebra/matrix_workbench.h"

#include "linear_algebra/result_format.h"

namespace orrery {
namespace {

bool isOnB(MatrixOperation op) { return op >= MatrixOperation::DeterminantB; }

// The single-operand operations of B mirror those of A, eight codes further on.
MatrixOperation asOnA(MatrixOperation op) {
    return isOnB(op) ? static_cast<MatrixOperation>(static_cast<int>(op) - 8) : op;
}

MatrixOutcome refused(std::string caption, std::string text, std::optional<CellFocus> focus = {}) {
    MatrixOutcome outcome;
    outcome.problem = UserMessage{std::move(caption), std::move(text)};
    outcome.focus = focus;
    return outcome;
}

Matrix toMatrix(const CellReading& reading, std::uint32_t rows, std::uint32_t cols) {
    Matrix m(rows, cols);
    for (std::size_t k = 0; k < reading.values.size(); ++k)
        m.set(static_cast<int>(k / cols), static_cast<int>(k % cols), reading.values[k]);
    return m;
}

MatrixOutcome finished(Matrix result, ResultArithmetic arithmetic, const DigitCounts& counts) {
    MatrixOutcome outcome;
    std::vector<double> values;
    for (std::uint32_t i = 0; i < result.rows(); ++i)
        for (std::uint32_t j = 0; j < result.cols(); ++j) values.push_back(result(i, j));
    outcome.texts = formatResultEntries(values, resultDecimals(arithmetic, counts));
    outcome.result = std::move(result);
    return outcome;
}

MatrixOutcome performOnOne(MatrixOperation op, const MatrixOperand& m, Operand which,
                           std::string_view scalarText) {
    std::string missing;
    if (m.rows == 0) missing += "Please select the number of rows.\n";
    if (m.cols == 0) missing += "Please select the number of columns.";
    if (!missing.empty()) return refused("INPUT ERROR", missing);
    if (m.rows != m.cols && op == MatrixOperation::DeterminantA)
        return refused("UNDEFINED OPERATION", "Determinants are only defined for square matrices..");
    if (m.rows != m.cols && op == MatrixOperation::InverseA)
        return refused("UNDEFINED OPERATION", "Inverses are only defined for square matrices..");

    CellReading cells = readMatrixCells(m.cells, m.rows, m.cols, which);
    double scalar = 0.0;
    if (op == MatrixOperation::ScaleA) {
        if (const auto value = readEntry(scalarText, cells.counts))
            scalar = *value;
        else
            cells.problems +=
                "Please put a single number in the box underneath the \"Multiply\" button you just pressed\n";
    }
    if (!cells.ok()) return refused("INPUT ERROR", cells.problems, cells.focus(which));

    const Matrix x = toMatrix(cells, m.rows, m.cols);
    switch (op) {
    case MatrixOperation::DeterminantA: {
        double d = 0.0;
        x.determinant(d);
        Matrix one(1, 1);
        one.set(0, 0, d);
        return finished(one, ResultArithmetic::Plain, cells.counts);
    }
    case MatrixOperation::InverseA: {
        Matrix inv;
        UserMessage problem;
        if (!x.inverse(inv, &problem)) return refused(problem.caption, problem.text);
        return finished(inv, ResultArithmetic::Dividing, cells.counts);
    }
    case MatrixOperation::TransposeA: return finished(x.transpose(), ResultArithmetic::Plain, cells.counts);
    case MatrixOperation::ScaleA: return finished(x.scale(scalar), ResultArithmetic::Plain, cells.counts);
    default: return finished(x.reducedEchelon(), ResultArithmetic::Dividing, cells.counts);
    }
}

MatrixOutcome performOnTwo(MatrixOperation op, const MatrixOperand& a, const MatrixOperand& b) {
    const bool product = op == MatrixOperation::Product;
    std::string missing;
    if (a.rows == 0) missing += "Please select the number of rows of the left matrix.\n";
    if (a.cols == 0) missing += "Please select the number of columns of the left matrix.\n";
    if (b.rows == 0) missing += "Please select the number of rows of the matrix on the right.\n";
    if (b.cols == 0) missing += "Please select the number of columns of the matrix on the right.\n";
    if (!missing.empty())
        return refused(product ? "Missing Entries: Cannot Multiply" : "Missing Matrix Dimensions: Cannot Subtract",
                       missing);

    std::string mismatch;
    if (product && a.cols != b.rows)
        mismatch = "The number of columns of the left matrix must be equal to the number of rows of the "
                   "second matrix in order for multiplication to be defined.\n";
    if (!product && a.rows != b.rows)
        mismatch += "The number of rows of the left matrix must be equal to the number of rows of the "
                    "second matrix in order for addition/subtraction to be defined.\n";
    if (!product && a.cols != b.cols)
        mismatch += "The number of columns of the left matrix must be equal to the number of columns of "
                    "the second matrix in order for addition/subtraction to be defined.\n";
    if (!mismatch.empty()) return refused("Undefined Operation", mismatch);

    CellReading left = readMatrixCells(a.cells, a.rows, a.cols, Operand::Left);
    const CellReading right = readMatrixCells(b.cells, b.rows, b.cols, Operand::Right);
    if (!left.ok() || !right.ok()) {
        std::optional<CellFocus> focus = left.focus(Operand::Left);
        if (!focus) focus = right.focus(Operand::Right);
        return refused(product ? "Missing Entries: Cannot multiply" : "Missing Entries: Cannot Subtract",
                       left.problems + right.problems, focus);
    }
    left.counts.merge(right.counts);
    const Matrix x = toMatrix(left, a.rows, a.cols);
    const Matrix y = toMatrix(right, b.rows, b.cols);
    const Matrix result = product ? x.multiply(y) : op == MatrixOperation::Sum ? x.add(y) : x.subtract(y);
    return finished(result, ResultArithmetic::Plain, left.counts);
}

}  // namespace

MatrixOutcome performMatrixOperation(MatrixOperation operation, const MatrixOperand& a,
                                     const MatrixOperand& b, std::string_view scalarText) {
    switch (operation) {
    case MatrixOperation::Product:
    case MatrixOperation::Sum:
    case MatrixOperation::Difference: return performOnTwo(operation, a, b);
    default:
        return isOnB(operation) ? performOnOne(asOnA(operation), b, Operand::Right, scalarText)
                                : performOnOne(operation, a, Operand::Left, scalarText);
    }
}

FillOutcome fillMatrix(std::uint32_t rows, std::uint32_t cols, std::string_view boxText) {
    std::string problems;
    if (rows == 0) problems += "Nothing to fill! Please select the number of rows.\n";
    if (cols == 0) problems += "Nothing to fill! Please select the number of columns.\n";
    return fillFromBox(std::move(problems), boxText);
}

std::optional<UserMessage> checkClearMatrix(std::uint32_t rows, std::uint32_t cols) {
    std::string problems;
    if (rows == 0) problems += "Nothing to clear! Please select the number of rows.\n";
    if (cols == 0) problems += "Nothing to clear! Please select the number of columns.";
    if (problems.empty()) return std::nullopt;
    return UserMessage{"INPUT ERROR", problems};
}

std::optional<UserMessage> checkMatrixTransfer(bool haveResult) {
    if (haveResult) return std::nullopt;
    return UserMessage{"Nothing to transfer", "Please perform an operation to create a result matrix.\n"};
}

std::optional<UserMessage> checkMatrixPrint(bool haveOperands) {
    if (haveOperands) return std::nullopt;
    return UserMessage{"NO MATRICES",
                       "Please enter a matrix before attempting to print or preview printing ."};
}

}  // namespace orrery
