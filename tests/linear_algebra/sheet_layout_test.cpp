#include <gtest/gtest.h>

#include <algorithm>

#include "linear_algebra/sheet_layout.h"

namespace orrery {
namespace {

PrintGrid grid(std::string caption, std::uint32_t rows, std::uint32_t cols, std::vector<std::string> texts = {}) {
    if (texts.empty()) texts.assign(std::size_t{rows} * cols, "1");
    return {std::move(caption), rows, cols, std::move(texts)};
}

// The picture in words: marks as they are, grids as [caption] with a raised
// mark after ^, the result band after " | ".
std::string describe(const SheetPicture& picture) {
    const auto band = [](const std::vector<PictureItem>& items) {
        std::string out;
        for (const PictureItem& item : items) {
            if (!out.empty()) out += ' ';
            out += item.grid ? "[" + item.grid->caption + "]" : item.mark;
            if (!item.superscript.empty()) out += "^" + item.superscript;
        }
        return out;
    };
    return band(picture.operands) + " | " + band(picture.result);
}

TEST(SheetPicture, MarksTheLastOperationBesideItsOperands) {
    const struct {
        int code;
        const char* expected;
    } matrixCases[] = {
        {0, "[A] [B] | [Result]"},
        {1, "det [A] [B] | = [Result]"},
        {2, "[A]^-1 [B] | = [Result]"},
        {3, "[A]^T [B] | = [Result]"},
        {4, "-1.5 [A] [B] | = [Result]"},
        {5, "[A] [B] | = [Result]"},
        {6, "[A] * [B] | = [Result]"},
        {7, "[A] + [B] | = [Result]"},
        {8, "[A] - [B] | = [Result]"},
        {9, "[A] det [B] | = [Result]"},
        {10, "[A] [B]^-1 | = [Result]"},
        {11, "[A] [B]^T | = [Result]"},
        {12, "[A] -1.5 [B] | = [Result]"},
        {14, "[A] [B] | UNDEFINED OPERATION"},
        {-1, "[A] [B] | UNDEFINED OPERATION"},
    };
    for (const auto& c : matrixCases) {
        MatrixSheet sheet{grid("A", 2, 2), grid("B", 2, 2), grid("Result", 2, 2), c.code, "-1.5"};
        const SheetPicture picture = matrixPicture(sheet);
        EXPECT_EQ(describe(picture), c.expected) << "code " << c.code;
        EXPECT_EQ(picture.problem.has_value(), c.code < 0 || c.code > 13) << "code " << c.code;
        if (picture.problem) {
            EXPECT_EQ(*picture.problem, (UserMessage{"PROG ERROR", "UNDEFINED OPERATION"}));
        }
    }

    const auto code = [](VectorOperation op) { return vectorOperationCode(op); };
    const struct {
        int code;
        std::vector<std::string> angles;
        bool radians;
        const char* expected;
    } vectorCases[] = {
        {code(VectorOperation::NormB), {}, true, "[A] Norm [B] | = [Result]"},
        {code(VectorOperation::ScaleA), {}, true, "-1.5 [A] [B] | = [Result]"},
        {code(VectorOperation::RotateA), {"90"}, false, "Rotate [A] by 90 (deg) [B] | = [Result]"},
        {code(VectorOperation::RotateB), {"0", "0.5", "1"}, true, "[A] Rotate [B] by 0, 0.5, 1 (rad) | = [Result]"},
        {code(VectorOperation::Dot), {}, true, "[A] . [B] | = [Result]"},
        {code(VectorOperation::Cross), {}, true, "[A] x [B] | = [Result]"},
        {code(VectorOperation::ProjectBOnA), {}, true, "Proj [B] onto [A] | = [Result]"},
        {code(VectorOperation::PerpendicularAToB), {}, true, "Perp [A] to [B] | = [Result]"},
        {17, {}, true, "[A] [B] | UNDEFINED OPERATION"},
    };
    for (const auto& c : vectorCases) {
        VectorSheet sheet{grid("A", 1, 3), grid("B", 1, 3), grid("Result", 1, 3), c.code, "-1.5", c.angles,
                          c.radians};
        EXPECT_EQ(describe(vectorPicture(sheet)), c.expected) << "code " << c.code;
    }

    // An operand whose size was never chosen is left out, not drawn empty.
    EXPECT_EQ(describe(matrixPicture({std::nullopt, grid("B", 1, 1), grid("Result", 1, 1), 11, {}})),
              "[B]^T | = [Result]");
}

TEST(SheetPicture, WhichOperandsAnOperationReadAndWhatATransferKeeps) {
    const struct {
        int code;
        bool readsA, readsB;
        int afterTransfer;
    } cases[] = {{0, false, false, 0}, {1, true, false, 0},  {5, true, false, 0}, {6, true, true, 0},
                 {8, true, true, 0},   {9, false, true, 9},  {13, false, true, 13}, {14, false, false, 14}};
    for (const auto& c : cases) {
        EXPECT_EQ(matrixOperationReads(c.code, Operand::Left), c.readsA) << c.code;
        EXPECT_EQ(matrixOperationReads(c.code, Operand::Right), c.readsB) << c.code;
        EXPECT_EQ(matrixOperationAfterTransfer(c.code), c.afterTransfer) << c.code;
    }
    EXPECT_TRUE(vectorOperationReads(vectorOperationCode(VectorOperation::RotateA), Operand::Left));
    EXPECT_FALSE(vectorOperationReads(vectorOperationCode(VectorOperation::RotateA), Operand::Right));
    EXPECT_TRUE(vectorOperationReads(vectorOperationCode(VectorOperation::ProjectAOnB), Operand::Right));
    EXPECT_FALSE(vectorOperationReads(vectorOperationCode(VectorOperation::ScaleB), Operand::Left));
}

const SheetText* findText(const SheetLayout& layout, const std::string& text) {
    const auto it = std::find_if(layout.texts.begin(), layout.texts.end(),
                                 [&](const SheetText& t) { return t.text == text; });
    return it == layout.texts.end() ? nullptr : &*it;
}

constexpr SheetMetrics kMetrics{10, 20};

TEST(SheetLayout, GridsAreBracketedRightAlignedAndMarked) {
    SheetPicture picture = matrixPicture(
        {grid("A", 2, 2, {"1", "-20", "3.5", "4"}), std::nullopt, grid("Result", 1, 1, {"-2.00"}), 2, {}});
    const SheetLayout layout = layoutSheet(picture, kMetrics, 1000);

    const SheetText* one = findText(layout, "1");
    const SheetText* minusTwenty = findText(layout, "-20");
    const SheetText* threeFive = findText(layout, "3.5");
    const SheetText* four = findText(layout, "4");
    ASSERT_TRUE(one && minusTwenty && threeFive && four);
    // Columns are right-aligned: "1" ends where "3.5" ends, "-20" where "4" does.
    EXPECT_DOUBLE_EQ(one->x + 10, threeFive->x + 30);
    EXPECT_DOUBLE_EQ(minusTwenty->x + 30, four->x + 10);
    EXPECT_DOUBLE_EQ(four->y - minusTwenty->y, 20);  // one line per row
    EXPECT_LT(threeFive->x + 30, minusTwenty->x);    // the columns keep apart

    // Two brackets of three strokes each per grid, around the rows.
    ASSERT_EQ(layout.lines.size(), 12u);
    const SheetLine& left = layout.lines[0];
    EXPECT_DOUBLE_EQ(left.y1, one->y);
    EXPECT_DOUBLE_EQ(left.y2, four->y + 20);
    EXPECT_LT(left.x1, threeFive->x);

    // The raised -1 sits right of the closing bracket, above the first row.
    const SheetText* raised = findText(layout, "-1");
    ASSERT_TRUE(raised);
    EXPECT_EQ(raised->font, SheetFont::Raised);
    EXPECT_GT(raised->x, four->x + 10);
    EXPECT_LT(raised->y, one->y);

    // The caption above its grid; the result under the operands, after "=",
    // centred on the same line as its one-row grid.
    const SheetText* caption = findText(layout, "A");
    const SheetText* equals = findText(layout, "=");
    const SheetText* result = findText(layout, "-2.00");
    ASSERT_TRUE(caption && equals && result);
    EXPECT_DOUBLE_EQ(caption->y, one->y - 20);
    EXPECT_GT(result->y, four->y + 20);
    EXPECT_DOUBLE_EQ(equals->y, result->y);
    EXPECT_LT(equals->x, result->x);
    EXPECT_LE(layout.width, 1000);
    EXPECT_GE(layout.height, result->y + 20);
}

TEST(SheetLayout, WordsCentreOnTallerGridsAndRowsWrapToTheWidth) {
    const SheetPicture sum =
        matrixPicture({grid("A", 3, 1, {"1", "2", "3"}), grid("B", 3, 1, {"4", "5", "6"}), std::nullopt, 7, {}});
    const SheetLayout wide = layoutSheet(sum, kMetrics, 1000);
    const SheetText* plus = findText(wide, "+");
    const SheetText* two = findText(wide, "2");
    const SheetText* four = findText(wide, "4");
    ASSERT_TRUE(plus && two && four);
    EXPECT_DOUBLE_EQ(plus->y, two->y);  // level with the middle row
    EXPECT_DOUBLE_EQ(four->y, findText(wide, "1")->y);
    EXPECT_GT(four->x, plus->x);

    // Operands with nothing between them stand well apart, unlike a product's.
    const SheetLayout apart = layoutSheet(
        matrixPicture({grid("A", 1, 1, {"1"}), grid("B", 1, 1, {"4"}), std::nullopt, 0, {}}), kMetrics, 1000);
    ASSERT_EQ(apart.lines.size(), 12u);
    EXPECT_DOUBLE_EQ(apart.lines[6].x1 - apart.lines[3].x1, 40);  // B's opening bracket past A's closing one

    // Too narrow for both grids on one row: B moves below A instead of past the edge.
    const SheetLayout narrow = layoutSheet(sum, kMetrics, 90);
    EXPECT_GT(findText(narrow, "4")->y, findText(narrow, "3")->y);
    EXPECT_LE(narrow.width, 90);
}

}  // namespace
}  // namespace orrery
