#include "graphing/value_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "expression/curve_evaluation.h"
#include "typed_curve.h"

namespace orrery {
namespace {

CompiledExpression compiled(const std::string& text) {
    return *prepareExpression(testing::typed(text), ExpressionContext{}).program;
}

TEST(ValueTable, RowsAreComputedAfreshAndUndefinedCellsStayEmpty) {
    // 0.1 added 100000 times drifts; start + k·step does not.
    const TableRange range{0.0, 0.1, kTableMaxRows};
    EXPECT_EQ(tableX(range, 99999), 99999 * 0.1);
    const CompiledExpression root = compiled("sqrt(x)");
    std::vector<double> block(3);
    tableBlock(root, {-1.0, 1.0, 3}, 0, block);
    EXPECT_EQ(tableCell(block[0]), "");
    EXPECT_EQ(tableCell(block[1]), "0");
    EXPECT_EQ(tableCell(block[2]), "1");
    tableBlock(root, {0.0, 0.5, 100}, 4, std::span<double>(block).first(1));
    EXPECT_EQ(tableCell(block[0]), "1.4142135623730951");
}

TEST(ValueTable, RefusesRangesItCannotList) {
    struct Refusal {
        TableRange range;
        const char* text;
    };
    const char* badNumbers = "Start and step need finite numbers, and the step cannot be 0.";
    const char* badCount = "The number of rows needs to be from 1 to 100000.";
    const Refusal refusals[] = {
        {{0.0, 0.0, 10}, badNumbers},
        {{NAN, 1.0, 10}, badNumbers},
        {{0.0, INFINITY, 10}, badNumbers},
        {{0.0, 1.0, 0}, badCount},
        {{0.0, 1.0, kTableMaxRows + 1}, badCount},
        {{1e308, 1e308, 3}, "The last row's x is too large to compute."},
    };
    for (const Refusal& refusal : refusals) {
        const auto problem = tableRangeProblem(refusal.range);
        ASSERT_TRUE(problem) << refusal.text;
        EXPECT_EQ(problem->text, refusal.text);
        EXPECT_EQ(problem->caption, "Table of Values");
    }
    EXPECT_FALSE(tableRangeProblem({-1e300, 1e295, kTableMaxRows}));
}

}  // namespace
}  // namespace orrery
