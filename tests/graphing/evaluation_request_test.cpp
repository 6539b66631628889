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
        ORRERY_TEST_DATA_DIR "/evaluation_requests.txt", 16, [](const testing::Case& c) {
            ASSERT_EQ(c.fields.size(), 4u);
            const std::vector<Curve> curves{curveOf(c.fields[0])};
            EXPECT_EQ(shown(evaluateRequest(curves, 0, c.fields[1], c.fields[2] == "yes")),
                      c.fields[3]);
        });
}

TEST(EvaluationRequest, SelectedCurveMustExistAndHaveSoundKeys) {
    const std::vector<Curve> curves{curveOf("x"), curveOf("2x"), Curve{}, curveOf("3+")};
    EXPECT_EQ(shown(evaluateRequest(curves, 1, "4", false)), "8.000000");
    EXPECT_EQ(shown(evaluateRequest(curves, 4, "4", false)), "error: No such curve");
    EXPECT_EQ(shown(evaluateRequest(curves, -1, "4", false)), "error: No such curve");
    EXPECT_EQ(shown(evaluateRequest(curves, 2, "4", false)),
              "error: Please enter a function to evaluate before coming here.");
    // The X text is checked before the curve.
    EXPECT_EQ(shown(evaluateRequest(curves, 4, "", false)), "error: Please enter an X-value");
    // A syntax problem comes in the same box.
    const std::string syntax = shown(evaluateRequest(curves, 3, "1", false));
    EXPECT_TRUE(syntax.starts_with("error: ") && syntax.size() > 7) << syntax;
}

}  // namespace
}  // namespace orrery
