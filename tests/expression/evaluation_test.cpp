#include <gtest/gtest.h>

#include <cmath>
#include <variant>

#include "expression_keys.h"
#include "expression/compiled_expression.h"
#include "expression/curve_evaluation.h"
#include "expression/expression_limits.h"
#include "expression/reduction_engine.h"
#include "expression/tokenize.h"

namespace orrery {
namespace {

TEST(SampleGrid, IsEvenAndHitsZeroOnSymmetricRanges) {
    const std::vector<double> xs = sampleGrid(-5, 5, 500);
    ASSERT_EQ(xs.size(), 500u);
    EXPECT_EQ(xs.front(), -5.0);
    EXPECT_EQ(xs.back(), 5.0);
    for (int n : {3, 5, 101, 501, 1001, 30001}) {
        const std::vector<double> odd = sampleGrid(-1, 1, n);
        EXPECT_EQ(odd[static_cast<std::size_t>(n / 2)], 0.0) << n;
    }
    EXPECT_EQ(sampleGrid(2, 3, 1), std::vector<double>{2.0});
    EXPECT_TRUE(sampleGrid(0, 1, 0).empty());
}

TEST(Classification, VariesConstantOrUndefined) {
    const double H = kUndefinedHigh;
    EXPECT_EQ(classifySamples(std::vector<double>{1, 2}).sampleClass, SampleClass::Varies);
    const Classification constant = classifySamples(std::vector<double>{H, 3, 3, 3});
    EXPECT_EQ(constant.sampleClass, SampleClass::Constant);
    EXPECT_EQ(constant.constantValue, 3.0);  // the first defined sample, not the marker
    EXPECT_EQ(classifySamples(std::vector<double>{H, -H, H}).sampleClass, SampleClass::Undefined);
    EXPECT_EQ(classifySamples(std::vector<double>{5}).sampleClass, SampleClass::Undefined);
    EXPECT_EQ(classifySamples(std::vector<double>{3, 3, H}).sampleClass, SampleClass::Varies);
    EXPECT_EQ(classifySamples(std::vector<double>{1, 1 + 1e-21}).sampleClass, SampleClass::Constant);
    EXPECT_EQ(classifySamples(std::vector<double>{NAN, 2, 2}).sampleClass, SampleClass::Constant);
}

TEST(SampleCurve, ConstantCurvesShowTheirFirstDefinedValue) {
    ExpressionContext context;
    ParseItemList items;
    ASSERT_FALSE(normalisedItems(testing::keysFor("(x+5)/(x+5)"), context, items));
    const SampleResult samples = sampleCurve(context, items);
    ASSERT_TRUE(samples.ok);
    EXPECT_EQ(samples.values[0], kUndefinedHigh);
    const Classification c = classifySamples(samples.values);
    EXPECT_EQ(c.sampleClass, SampleClass::Constant);
    EXPECT_EQ(c.constantValue, 1.0);
}

TEST(SampleCurve, AMismatchedListIsRefusedByBothEngines) {
    const ExpressionContext context;
    const ParseItemList items{symbolItem("(", kBracketKind), numberItem(1)};
    const SampleResult samples = sampleCurve(context, items);
    EXPECT_FALSE(samples.ok);
    ASSERT_TRUE(samples.message);
    EXPECT_EQ(samples.message->text, "Mismatched brackets");
    EXPECT_FALSE(evaluate(context, items, 0).ok);
    const ParseItemList reversed{symbolItem(")", kBracketKind), symbolItem("(", kBracketKind)};
    EXPECT_FALSE(evaluate(context, reversed, 0).ok);
    EXPECT_TRUE(std::holds_alternative<UserMessage>(CompiledExpression::compile(context, reversed)));
}

TEST(EvaluateCurveAt, ValuesAndMessages) {
    auto at = [](const std::string& keys, double x, bool degrees = false) {
        return evaluateCurveAt(testing::keysFor(keys), 0, x, degrees);
    };
    EXPECT_EQ(at("sin3x", 2).value, std::sin(6.0));  // the value on the drawn curve
    EXPECT_EQ(at("x", 3).value, 3.0);
    EXPECT_EQ(at("2+3", degreesToRadians(10), true).value, 5.0);
    EXPECT_EQ(at("sin", degreesToRadians(90), true).value, 1.0);

    EXPECT_EQ(at("", 1).message->text, "Please enter a function to evaluate before coming here.");
    EXPECT_EQ(at("", 1).message->caption, "Input Error");
    EXPECT_EQ(at("x", 1, true).message->text,
              "You have chosen to evaluate in degrees, but have no trigonmetric functions. Only "
              "trigonmetric functions can be evaluated with degrees");
    EXPECT_EQ(at("sqrt x", -1).message->text,
              "The value you are attempting to calculate is undefined or out of bounds.\n");
    EXPECT_EQ(at("x", INFINITY).message->text,
              "The value you are attempting to calculate is undefined or out of bounds.\n");
    const CurveValue syntax = evaluateCurveAt(testing::keysFor("2+"), 3, 1, false);
    EXPECT_EQ(syntax.message->caption, "SYNTAX ERROR: Curve# 4");
}

TEST(EvaluateCurveAt, DegreesNeedATrigonometricKeyWhenThereAreFunctionKeys) {
    for (const char* keys : {"2+3", "sqrt(cosh x)"}) EXPECT_TRUE(degreesAllowed(testing::keysFor(keys))) << keys;
    for (const char* keys : {"x", "asin x"}) EXPECT_FALSE(degreesAllowed(testing::keysFor(keys))) << keys;
}

TEST(ExpressionSize, HugeInputsAreRefusedWithAMessage) {
    const ExpressionContext context;
    ParseItemList items;
    std::vector<ExpressionToken> million(1000000, keyAt(18));
    std::optional<UserMessage> error = tokenize(million, context, items);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->text, expressionTooLongMessage().text);
}

TEST(ExpressionSize, TheLongestExpressionsEvaluateInBothEngines) {
    const ExpressionContext context;
    const std::size_t pairs = (kMaxExpressionTokens - 1) / 2;
    const std::string deep = std::string(pairs, '(') + "x" + std::string(pairs, ')');
    std::string chain = "1";
    while (chain.size() + 2 <= kMaxExpressionTokens) chain += "+1";
    std::string signs = "x";
    while (signs.size() + 3 <= kMaxExpressionTokens) signs += "*-1";
    for (const std::string& text : {deep, chain, signs}) {
        ParseItemList items;
        ASSERT_FALSE(normalisedItems(testing::keysFor(text), context, items));
        const Evaluation reference = evaluate(context, items, 2.0);
        auto compiled = CompiledExpression::compile(context, items);
        ASSERT_TRUE(reference.ok);
        ASSERT_TRUE(std::holds_alternative<CompiledExpression>(compiled));
        EXPECT_EQ(std::get<CompiledExpression>(compiled).evaluate(2.0), reference.value);
    }
}

}  // namespace
}  // namespace orrery
