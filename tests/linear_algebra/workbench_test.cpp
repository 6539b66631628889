#include <gtest/gtest.h>

#include "linear_algebra/matrix_workbench.h"
#include "linear_algebra/vector_workbench.h"

namespace orrery {
namespace {

MatrixOperand matrix(std::uint32_t rows, std::uint32_t cols, std::vector<std::string> cells) {
    return {rows, cols, std::move(cells)};
}

VectorOperand vec(std::vector<std::string> cells) {
    VectorOperand v;
    v.size = cells.size();
    v.cells = std::move(cells);
    return v;
}

TEST(MatrixWorkbench, ProductWithFormattedResult) {
    const auto out = performMatrixOperation(MatrixOperation::Product, matrix(2, 3, {"1", "2", "3", "4", "5", "6"}),
                                            matrix(3, 1, {"0.5", "1", "-1"}));
    ASSERT_FALSE(out.problem);
    EXPECT_EQ(out.result.rows(), 2u);
    EXPECT_EQ(out.result.cols(), 1u);
    EXPECT_EQ(out.texts, (std::vector<std::string>{"-0.500", "1.000"}));  // d = 1, e = 1
}

TEST(MatrixWorkbench, EveryBadCellOfBothOperandsInOneMessage) {
    const auto out = performMatrixOperation(MatrixOperation::Sum, matrix(2, 2, {"1", "", "3", ""}),
                                            matrix(2, 2, {"1", "2", "x", "4"}));
    ASSERT_TRUE(out.problem);
    EXPECT_EQ(out.problem->caption, "Missing Entries: Cannot Subtract");
    EXPECT_EQ(out.problem->text,
              "Please put a single number in entry Row: 1 Column: 2 of the  left matrix.\n"
              "Please put a single number in entry Row: 2 Column: 2 of the  left matrix.\n"
              " The only characters allowed for this, the Linear Algebra, module are digits, + and - signs and "
              "decimal points. The character: 'x' is not recognized here.\n\n"
              "Please put a single number in entry Row: 2 Column: 1 of the  right matrix.\n");
    ASSERT_TRUE(out.focus);
    EXPECT_EQ(out.focus->operand, Operand::Left);
    EXPECT_EQ(out.focus->cell, 1u);
}

TEST(MatrixWorkbench, SizesMustBeChosenAndConform) {
    auto out = performMatrixOperation(MatrixOperation::Product, matrix(0, 2, {}), matrix(2, 0, {}));
    EXPECT_EQ(out.problem, (UserMessage{"Missing Entries: Cannot Multiply",
                                        "Please select the number of rows of the left matrix.\n"
                                        "Please select the number of columns of the matrix on the right.\n"}));
    out = performMatrixOperation(MatrixOperation::Difference, matrix(0, 0, {}), matrix(1, 1, {"1"}));
    EXPECT_EQ(out.problem->caption, "Missing Matrix Dimensions: Cannot Subtract");
    out = performMatrixOperation(MatrixOperation::Product, matrix(2, 3, {}), matrix(2, 3, {}));
    EXPECT_EQ(out.problem, (UserMessage{"Undefined Operation",
                                        "The number of columns of the left matrix must be equal to the number of "
                                        "rows of the second matrix in order for multiplication to be defined.\n"}));
    out = performMatrixOperation(MatrixOperation::Sum, matrix(2, 3, {}), matrix(3, 2, {}));
    EXPECT_EQ(out.problem->caption, "Undefined Operation");
    EXPECT_EQ(out.problem->text,
              "The number of rows of the left matrix must be equal to the number of rows of the second matrix in "
              "order for addition/subtraction to be defined.\n"
              "The number of columns of the left matrix must be equal to the number of columns of the second "
              "matrix in order for addition/subtraction to be defined.\n");
    out = performMatrixOperation(MatrixOperation::TransposeB, matrix(1, 1, {"1"}), matrix(0, 0, {}));
    EXPECT_EQ(out.problem, (UserMessage{"INPUT ERROR",
                                        "Please select the number of rows.\nPlease select the number of columns."}));
    out = performMatrixOperation(MatrixOperation::TransposeA, matrix(0, 2, {}), {});
    EXPECT_EQ(out.problem, (UserMessage{"INPUT ERROR", "Please select the number of rows.\n"}));
}

TEST(MatrixWorkbench, DeterminantAndInverseNeedSquareMatrices) {
    auto out = performMatrixOperation(MatrixOperation::DeterminantA, matrix(3, 2, {}), {});
    EXPECT_EQ(out.problem,
              (UserMessage{"UNDEFINED OPERATION", "Determinants are only defined for square matrices.."}));
    out = performMatrixOperation(MatrixOperation::InverseB, {}, matrix(1, 2, {}));
    EXPECT_EQ(out.problem, (UserMessage{"UNDEFINED OPERATION", "Inverses are only defined for square matrices.."}));
    out = performMatrixOperation(MatrixOperation::InverseA, matrix(2, 2, {"1", "2", "2", "4"}), {});
    EXPECT_EQ(out.problem->caption, "VANISHING DETERMINANT");
}

TEST(MatrixWorkbench, SingleOperandResults) {
    auto out = performMatrixOperation(MatrixOperation::DeterminantB, {}, matrix(2, 2, {"1", "2", "3", "4"}));
    EXPECT_EQ(out.texts, (std::vector<std::string>{"-2.00"}));
    out = performMatrixOperation(MatrixOperation::InverseA, matrix(2, 2, {"2", "0", "0", "8"}), {});
    EXPECT_EQ(out.texts, (std::vector<std::string>{"0.50", "0.00", "0.00", "0.12"}));
    out = performMatrixOperation(MatrixOperation::EchelonA, matrix(1, 2, {"4", "2"}), {});
    EXPECT_EQ(out.texts, (std::vector<std::string>{"1.00", "0.50"}));
    out = performMatrixOperation(MatrixOperation::TransposeA, matrix(1, 2, {".25", "-.5"}), {});
    EXPECT_EQ(out.result.rows(), 2u);
    EXPECT_EQ(out.texts, (std::vector<std::string>{"0.25", "-0.50"}));
    // The factor's own decimals count too.
    out = performMatrixOperation(MatrixOperation::ScaleA, matrix(1, 1, {"3"}), {}, "0.125");
    EXPECT_EQ(out.texts, (std::vector<std::string>{"0.37500"}));  // d = 3, e = 1
    out = performMatrixOperation(MatrixOperation::ScaleB, {}, matrix(1, 1, {"3"}), "two");
    EXPECT_EQ(out.problem->text,
              "Please put a single number in the box underneath the \"Multiply\" button you just pressed\n");
}

TEST(MatrixWorkbench, OverflowIsShownInWords) {
    const std::string big = "1" + std::string(200, '0');
    const auto out = performMatrixOperation(MatrixOperation::Product, matrix(1, 1, {big}), matrix(1, 1, {big}));
    EXPECT_EQ(out.texts, (std::vector<std::string>{"Overflow"}));
}

TEST(MatrixWorkbench, FillClearTransferAndPrintChecks) {
    EXPECT_EQ(fillMatrix(2, 2, "1.5").cellText, "1.5");
    EXPECT_EQ(fillMatrix(0, 0, "x").problem,
              (UserMessage{"INPUT ERROR",
                           "Nothing to fill! Please select the number of rows.\n"
                           "Nothing to fill! Please select the number of columns.\n"
                           "Please put a single number in the box underneath the \"Fill\" button you just pressed\n"}));
    EXPECT_FALSE(checkClearMatrix(1, 1));
    EXPECT_EQ(checkClearMatrix(1, 0)->text, "Nothing to clear! Please select the number of columns.");
    EXPECT_EQ(checkMatrixTransfer(false),
              (UserMessage{"Nothing to transfer", "Please perform an operation to create a result matrix.\n"}));
    EXPECT_EQ(checkMatrixPrint(false)->caption, "NO MATRICES");
    EXPECT_FALSE(checkMatrixPrint(true));
}

TEST(VectorWorkbench, BinaryOperations) {
    auto out = performVectorOperation(VectorOperation::Cross, vec({"1", "0", "0"}), vec({"0", "1", "0"}));
    EXPECT_EQ(out.texts, (std::vector<std::string>{"0.00", "0.00", "1.00"}));
    out = performVectorOperation(VectorOperation::Dot, vec({"1.5", "2"}), vec({"2", "0.25"}));
    EXPECT_EQ(out.texts, (std::vector<std::string>{"3.5000"}));  // d = 2, e = 1
    out = performVectorOperation(VectorOperation::ProjectBOnA, vec({"1", "0"}), vec({"2", "2"}));
    EXPECT_EQ(out.texts, (std::vector<std::string>{"2.000000", "0.000000"}));
    out = performVectorOperation(VectorOperation::PerpendicularBToA, vec({"1", "0"}), vec({"2", "2"}));
    EXPECT_EQ(out.texts, (std::vector<std::string>{"0.000000", "2.000000"}));
    out = performVectorOperation(VectorOperation::PerpendicularAToB, vec({"2", "2"}), vec({"1", "0"}));
    EXPECT_EQ(out.texts, (std::vector<std::string>{"0.000000", "2.000000"}));
    out = performVectorOperation(VectorOperation::Difference, vec({"5"}), vec({"7"}));
    EXPECT_EQ(out.texts, (std::vector<std::string>{"-2.00"}));
}

TEST(VectorWorkbench, ProjectionOntoAZeroVectorIsRefused) {
    const auto out = performVectorOperation(VectorOperation::ProjectAOnB, vec({"1", "2"}), vec({"0", "-0"}));
    EXPECT_EQ(out.problem,
              (UserMessage{"Undefined Operation", "A projection onto a zero vector is not defined.\n"}));
    EXPECT_FALSE(performVectorOperation(VectorOperation::ProjectBOnA, vec({"1", "2"}), vec({"0", "0"})).problem);
}

TEST(VectorWorkbench, LengthChecks) {
    auto out = performVectorOperation(VectorOperation::Cross, vec({"1", "2"}), vec({"1", "2"}));
    EXPECT_EQ(out.problem, (UserMessage{"Undefined Operation",
                                        "The cross product is only defined for 3-component vectors.\n"}));
    out = performVectorOperation(VectorOperation::Dot, vec({"1"}), {});
    EXPECT_EQ(out.problem, (UserMessage{"Missing Components: Dot Product Undefined",
                                        "Please select the number of components of vector B.\n"}));
    out = performVectorOperation(VectorOperation::Sum, vec({"1"}), vec({"1", "2"}));
    EXPECT_EQ(out.problem->text,
              "The number of components of the two vectors must be the same for addition/subtraction to be defined.\n");
    out = performVectorOperation(VectorOperation::ProjectAOnB, {}, {});
    EXPECT_EQ(out.problem->caption, "Missing Components: Cannot Perform Projection");
    out = performVectorOperation(VectorOperation::NormB, {}, {});
    EXPECT_EQ(out.problem, (UserMessage{"SELECT COMPONENTS", "Please select the number of components of vector B.\n"}));
    out = performVectorOperation(VectorOperation::RotateA, vec({"1", "2", "3", "4"}), {});
    EXPECT_EQ(out.problem,
              (UserMessage{"UNDEFINED OPERATION", "Rotations are only defined for vectors with 2 or 3 components"}));
}

TEST(VectorWorkbench, SingleVectorOperations) {
    VectorOperand a = vec({"3", "4"});
    auto out = performVectorOperation(VectorOperation::NormA, a, {});
    EXPECT_EQ(out.texts, (std::vector<std::string>{"5.000000"}));  // at least 4 decimals, then + e + 1, at most 6
    out = performVectorOperation(VectorOperation::NormA, vec({"0.3", "0.4"}), {});
    EXPECT_EQ(out.texts, (std::vector<std::string>{"0.5000"}));
    out = performVectorOperation(VectorOperation::NormalizeA, a, {});
    EXPECT_EQ(out.texts, (std::vector<std::string>{"0.60", "0.80"}));
    out = performVectorOperation(VectorOperation::NormalizeA, vec({"0", "0"}), {});
    EXPECT_EQ(out.problem, (UserMessage{"INPUT ERROR", "Zero vectors cannot be normalized."}));

    a.angles = {"90"};
    a.radians = false;
    out = performVectorOperation(VectorOperation::RotateA, a, {});
    EXPECT_EQ(out.texts, (std::vector<std::string>{"-4.00", "3.00"}));
    VectorOperand b = vec({"1", "0", "0"});
    b.angles = {"0", "", "x"};
    out = performVectorOperation(VectorOperation::RotateB, {}, b);
    EXPECT_EQ(out.problem->caption, "INPUT ERROR");
    EXPECT_NE(out.problem->text.find("rotation coefficient: 2 of the  right vector.\n"), std::string::npos);
    EXPECT_NE(out.problem->text.find("rotation coefficient: 3 of the  right vector.\n"), std::string::npos);

    a.factor = "";
    out = performVectorOperation(VectorOperation::ScaleA, a, {});
    EXPECT_EQ(out.problem->text, "Please enter a single number as the factor for vector A.");
    a.factor = "-2";
    out = performVectorOperation(VectorOperation::ScaleA, a, {});
    EXPECT_EQ(out.texts, (std::vector<std::string>{"-6.00", "-8.00"}));
}

TEST(VectorWorkbench, FillClearTransferAndPrintChecks) {
    EXPECT_EQ(fillVector(false, 0, "1").problem->text,
              "Nothing to fill! Please select the number of components of vector B.\n");
    EXPECT_EQ(fillVector(true, 3, "-.5").cellText, "-.5");
    EXPECT_EQ(checkClearVector(true, 0)->text, "Nothing to clear! Please select the number of components of vector A.\n");
    EXPECT_EQ(checkVectorTransfer(false)->caption, "Result Vector Undefined: Nothing to transfer");
    EXPECT_EQ(checkVectorPrint(false),
              (UserMessage{"NO VECTORS", "Please enter a vector before attempting to print or preview printing ."}));
}

}  // namespace
}  // namespace orrery
