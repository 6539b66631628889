#include "graphing/evaluation_request.h"

#include <gtest/gtest.h>

#include "support/case_file.h"
#include "typed_curve.h"

namespace orrery {
namespace {

using testing::curveOf;

std::string shown(const EvaluationOutcome& outcome) {
    if (!outcome.error) return outcome.valueText;
    EXPECT_EQ(outcome.error->caption, "Input Error");
    EXPECT_TRUE(outcome.valueText.empty());
    return "error: " + outcome.error->text;
}

TEST(EvaluationRequest, CasesFile) {
    testing::forEachCase(
        ORRERY_TEST_DATA_DIR "/evaluation_requests.txt", 20, [](const testing::Case& c) {
            ASSERT_EQ(c.fields.size(), 4u);
            const std::vector<Curve> curves{curveOf(c.fields[0])};
            EXPECT_EQ(shown(evaluateRequest(curves, 0, c.fields[1], c.fields[2] == "yes")),
                      c.fields[3]);
        });
}

TEST(EvaluationRequest, SelectedCurveMustExistAndHaveKeys) {
    const std::vector<Curve> curves{curveOf("x"), curveOf("2x"), Curve{}};
    EXPECT_EQ(shown(evaluateRequest(curves, 1, "4", false)), "8.000000");
    EXPECT_EQ(shown(evaluateRequest(curves, 3, "4", false)), "error: No such curve");
    EXPECT_EQ(shown(evaluateRequest(curves, -1, "4", false)), "error: No such curve");
    EXPECT_EQ(shown(evaluateRequest(curves, 2, "4", false)),
              "error: Please enter a function to evaluate before coming here.");
    // The X text is checked before the curve.
    EXPECT_EQ(shown(evaluateRequest(curves, 3, "", false)), "error: Please enter an X-value");
}

TEST(EvaluationRequest, SyntaxProblemsComeInTheSameBox) {
    const std::vector<Curve> curves{curveOf("3+")};
    const EvaluationOutcome outcome = evaluateRequest(curves, 0, "1", false);
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(outcome.error->caption, "Input Error");
    EXPECT_FALSE(outcome.error->text.empty());
}

}  // namespace
}  // namespace orrery
