#include <gtest/gtest.h>

#include "expression/input_reading.h"
#include "expression_keys.h"
#include "support/case_file.h"

namespace orrery {
namespace {

TEST(InputReading, EachExpressionReadsAsListed) {
    testing::forEachCase(ORRERY_TEST_DATA_DIR "/reading_cases.txt", 50, [](const testing::Case& c) {
        ASSERT_EQ(c.fields.size(), 2u);
        const InputReading reading = readInput(testing::keysFor(c.fields[0]), {});
        ASSERT_FALSE(reading.message) << reading.message->text;
        EXPECT_EQ(reading.text, c.fields[1]) << c.fields[0];
    });
}

TEST(InputReading, RefusedInputGivesTheSketchMessageAndNoReading) {
    ExpressionContext context;
    context.curveIndex = 2;
    const InputReading refused = readInput(testing::keysFor("2+"), context);
    ASSERT_TRUE(refused.message);
    EXPECT_EQ(refused.message->caption, "SYNTAX ERROR: Curve# 3");
    EXPECT_EQ(refused.message->text, "The operator: + cannot end an expression.");
    EXPECT_EQ(refused.text, "");
    EXPECT_EQ(readInput({}, context).text, "");
    EXPECT_FALSE(readingOf({symbolItem("(", kBracketKind)}));  // mismatched
}

}  // namespace
}  // namespace orrery
