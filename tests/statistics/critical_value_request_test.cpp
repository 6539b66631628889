#include <gtest/gtest.h>

#include "statistics/chi_square_distribution.h"
#include "statistics/critical_value_request.h"
#include "statistics/f_distribution.h"
#include "statistics/normal_distribution.h"
#include "statistics/t_distribution.h"

namespace orrery {
namespace {

UserMessage inputError(const char* text) { return {"INPUT ERROR", text}; }

TEST(NormalCriticalRequest, FormatsToThreeDecimalsAndRefusesAlphaOutsideTheOpenRange) {
    NormalDistribution normal;
    EXPECT_EQ(calculateNormalCritical(normal, " .025xyz").output, "1.960");
    EXPECT_EQ(calculateNormalCritical(normal, "").message,
              inputError("Pleae enter a positive number < .5 for Alpha"));
    for (const char* typed : {"0.5", "0", "-0.1", "abc", "nan"}) {
        const CriticalValueOutcome outcome = calculateNormalCritical(normal, typed);
        EXPECT_EQ(outcome.output, "");
        EXPECT_EQ(outcome.message,
                  inputError((std::string("Alpha must be a positive number < 0.5 You entered alpha = ") + typed).c_str()));
    }
}

TEST(TCriticalRequest, SetsTheDegreesOfFreedomFirst) {
    TDistribution t;
    EXPECT_EQ(calculateTCritical(t, "10", "0.025").output, "2.23");
    EXPECT_EQ(t.degreesOfFreedom(), 10);

    EXPECT_TRUE(calculateTCritical(t, "281", "0.025").message);
    EXPECT_EQ(t.degreesOfFreedom(), 10);
    EXPECT_EQ(calculateTCritical(t, "", "0.025").message,
              inputError("The degrees of freedom must be >= 1"));
    EXPECT_EQ(calculateTCritical(t, "5", "0.5").message,
              inputError("Alpha must be a positive number <.5 You entered alpha = 0.5"));
    EXPECT_EQ(calculateTCritical(t, "5", "").message,
              inputError("Pleae enter a positive number < 0.5 for Alpha"));
}

TEST(ChiSquareCriticalRequest, AcceptsAlphaUpToOne) {
    ChiSquareDistribution chi;
    EXPECT_EQ(calculateChiSquareCritical(chi, "1", "0.05").output, "3.841459");
    EXPECT_EQ(calculateChiSquareCritical(chi, "1", "0.7").output, "0.148472");
    EXPECT_EQ(calculateChiSquareCritical(chi, "1", "1").message,
              inputError("Alpha must be a positive number <1 You entered alpha = 1"));
    EXPECT_EQ(calculateChiSquareCritical(chi, "99999999999", "0.05").message->caption, "OUT OF BOUNDS");
}

TEST(FCriticalRequest, JoinsBothRefusalsUnderOneCaption) {
    FDistribution f;
    EXPECT_EQ(calculateFCritical(f, "3", "5", "0.05").output, "5.41");
    const CriticalValueOutcome refused = calculateFCritical(f, "81", "0", "0.05");
    EXPECT_EQ(refused.message, (UserMessage{"OUT OF RANGE",
                                            "Calculation not accurate if the degrees of freedom #1 exceed 80.\n"
                                            "The degrees of freedom #2 must be >= 1\n"}));
    EXPECT_EQ(f.d1(), 3);
    EXPECT_EQ(f.d2(), 5);
}

}  // namespace
}  // namespace orrery
