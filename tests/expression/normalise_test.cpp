#include <gtest/gtest.h>

#include "expression_keys.h"
#include "common/c_numeric.h"
#include "expression/curve_evaluation.h"
#include "expression/normalise.h"
#include "expression/tokenize.h"

namespace orrery {
namespace {

std::string show(const ParseItemList& items) {
    std::string text;
    for (const ParseItem& item : items) {
        if (!text.empty()) text += ' ';
        if (item.isNumber())
            text += formatC("%g", item.value);
        else
            text += item.label == "multiplication" ? "*" : item.label == "division" ? "/" : item.label;
    }
    return text;
}

std::string normalised(const std::string& keys) {
    ParseItemList items;
    std::optional<UserMessage> error = normalisedItems(testing::keysFor(keys), {}, items);
    return error ? "refused: " + error->text : show(items);
}

TEST(Normalise, ImplicitProducts) {
    EXPECT_EQ(normalised("2x"), "2 * x");
    EXPECT_EQ(normalised("3sinx"), "3 * sin x");
    EXPECT_EQ(normalised("x(x+1)"), "x * ( x + 1 )");
    EXPECT_EQ(normalised("(x+1)(x-1)"), "( x + 1 ) * ( x - 1 )");
    EXPECT_EQ(normalised("2p"), "2 * 3.14159");
    EXPECT_EQ(normalised("x{square}3"), "x square * 3");
    EXPECT_EQ(normalised("sin3"), "sin 3");
}

TEST(Normalise, RelaxedArgumentsOnlyAroundSimpleOperands) {
    EXPECT_EQ(normalised("sin3x"), "sin ( 3 * x )");
    EXPECT_EQ(normalised("sin3x+1"), "sin ( 3 * ) x + 1");
    EXPECT_EQ(normalised("sin3*(x+1)+2"), "sin ( 3 * ( x + 1 ) ) + 2");
    EXPECT_EQ(normalised("ln2/4"), "ln ( 2 / 4 )");
    // A function key after the operator leaves the quotient alone.
    EXPECT_EQ(normalised("sin x/cos x"), "sin x / cos x");
    EXPECT_EQ(normalised("sinx*cosx"), "sin x * cos x");
    // sqrt is not relaxed.
    EXPECT_EQ(normalised("sqrt4x"), "sqrt 4 * x");
    // The opened bracket never reaches out of its group.
    EXPECT_EQ(normalised("(3*sin)*x"), "( 3 * sin ) * x");
}

TEST(Normalise, SignsGetBracketsThatHonourDepth) {
    EXPECT_EQ(normalised("2*-3"), "2 * ( - 3 )");
    EXPECT_EQ(normalised("2*-(x+1)"), "2 * ( - ( x + 1 ) )");
    EXPECT_EQ(normalised("2*-3*-4"), "2 * ( - 3 * ( - 4 ) )");
    EXPECT_EQ(normalised("2^-x+1"), "2 y^x ( - x ) + 1");
    EXPECT_EQ(normalised("(2*-x)+1"), "( 2 * ( - x ) ) + 1");
    EXPECT_EQ(normalised("sin-sin-x"), "sin ( - sin ( - x ) )");
    EXPECT_EQ(normalised("-x"), "- x");
}

TEST(Normalise, InverseShorthandNeedsThePowerKey) {
    EXPECT_EQ(normalised("sin^-1x"), "arcsin x");
    EXPECT_EQ(normalised("cos^-1(0.5)"), "arccos ( 0.5 )");
    EXPECT_EQ(normalised("tan^-1.0x"), "arctan x");
    EXPECT_EQ(normalised("sin x-1"), "sin x - 1");
    EXPECT_EQ(normalised("sin^-2"), "sin y^x ( - 2 )");
}

}  // namespace
}  // namespace orrery
