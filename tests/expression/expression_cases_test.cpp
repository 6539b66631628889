// Runs the plain-text case files through the library.
#include <gtest/gtest.h>

#include <bit>
#include <variant>

#include "expression_keys.h"
#include "support/case_file.h"
#include "common/c_numeric.h"
#include "expression/compiled_expression.h"
#include "expression/curve_evaluation.h"
#include "expression/number_format.h"
#include "expression/reduction_engine.h"
#include "expression/syntax_check.h"
#include "expression/tokenize.h"

namespace orrery {
namespace {

using testing::Case;

std::string where(const Case& c) { return "line " + std::to_string(c.line) + ": " + c.fields[0]; }

TEST(EvaluationCases, BothEnginesGiveTheListedBits) {
    const std::vector<Case> cases = testing::readCases(ORRERY_TEST_DATA_DIR "/evaluation_cases.txt");
    ASSERT_GT(cases.size(), 50u);
    for (const Case& c : cases) {
        ASSERT_EQ(c.fields.size(), 3u) << where(c);
        const ExpressionContext context;
        ParseItemList items;
        std::optional<UserMessage> error =
            normalisedItems(testing::keysFor(c.fields[0]), context, items);
        ASSERT_FALSE(error) << where(c) << ": " << error->text;
        const double x = parseDoubleC(c.fields[1]);
        const double expected = testing::parseExpectedValue(c.fields[2]);

        const Evaluation reference = evaluate(context, items, x);
        ASSERT_TRUE(reference.ok) << where(c);
        EXPECT_EQ(testing::describeValue(reference.value), testing::describeValue(expected))
            << where(c) << " (reference engine)";

        auto compiled = CompiledExpression::compile(context, items);
        ASSERT_TRUE(std::holds_alternative<CompiledExpression>(compiled)) << where(c);
        const double value = std::get<CompiledExpression>(compiled).evaluate(x);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(expected))
            << where(c) << " (compiled): " << testing::describeValue(value);
    }
}

TEST(SyntaxCases, EachExpressionGetsTheListedMessage) {
    const std::vector<Case> cases = testing::readCases(ORRERY_TEST_DATA_DIR "/syntax_cases.txt");
    ASSERT_GT(cases.size(), 25u);
    for (const Case& c : cases) {
        ASSERT_EQ(c.fields.size(), 2u) << where(c);
        const ExpressionContext context;
        ParseItemList items;
        std::optional<UserMessage> message = tokenize(testing::keysFor(c.fields[0]), context, items);
        if (!message) message = checkSyntax(context, items);
        if (c.fields[1] == "OK") {
            EXPECT_FALSE(message) << where(c) << ": " << message->text;
            continue;
        }
        ASSERT_TRUE(message) << where(c);
        EXPECT_EQ(message->text, c.fields[1]) << where(c);
        EXPECT_EQ(message->caption, "SYNTAX ERROR: Curve# 1") << where(c);
    }
}

TEST(FormatCases, FormattersWriteTheListedText) {
    const std::vector<Case> cases = testing::readCases(ORRERY_TEST_DATA_DIR "/format_cases.txt");
    ASSERT_GT(cases.size(), 20u);
    for (const Case& c : cases) {
        const double value = parseDoubleC(c.fields[1]);
        if (c.fields[0] == "display") {
            ASSERT_EQ(c.fields.size(), 5u) << where(c);
            EXPECT_EQ(FormatForDisplay(value, std::stoi(c.fields[2]), std::stoi(c.fields[3])),
                      c.fields[4])
                << "line " << c.line;
        } else {
            ASSERT_EQ(c.fields.size(), 4u) << where(c);
            EXPECT_EQ(FormatDecimal(value, std::stoi(c.fields[2])), c.fields[3]) << "line " << c.line;
        }
    }
}

}  // namespace
}  // namespace orrery
