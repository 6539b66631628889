#include "statistics/window_calculation.h"

#include <gtest/gtest.h>

#include <functional>

#include "statistics/control_strip.h"
#include "statistics/distribution_set.h"

namespace orrery {
namespace {

// What every distribution shows, to check that a refused input changed nothing.
struct Snapshot {
    double lower, upper;
    int t, chi, d1, d2;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};
Snapshot snapshot(const DistributionSet& s, const Distribution& d) {
    return {d.lowerLimit(), d.upperLimit(), s.t.degreesOfFreedom(), s.chiSquare.degreesOfFreedom(),
            s.f.d1(),       s.f.d2()};
}

TEST(WindowCalculation, RefusedInputsShowTheirMessageAndChangeNothing) {
    struct Case {
        const char* name;
        std::function<WindowCalculation(DistributionSet&)> calculate;
        UserMessage message;
    };
    const Case cases[] = {
        {"z1 empty", [](DistributionSet& s) { return calculateNormalWindow(s.normal, "", "1"); },
         {"Input Error", "Please put in a numerical value for z1."}},
        {"z2 not a number", [](DistributionSet& s) { return calculateTWindow(s.t, "1", "x", "3"); },
         {"Input Error", "Please put in a numerical value for z2."}},
        {"nan is no number",
         [](DistributionSet& s) { return calculateNormalWindow(s.normal, "nan", "1"); },
         {"Input Error", "Please put in a numerical value for z1."}},
        {"chi-square negative",
         [](DistributionSet& s) { return calculateChiSquareWindow(s.chiSquare, "1", "-2", "3"); },
         {"Input Error", "The Chi Square distribution is not defined for negative values."}},
        {"chi-square no degrees",
         [](DistributionSet& s) { return calculateChiSquareWindow(s.chiSquare, "1", "2", ""); },
         {"Input Error", "Please put in a numerical value for V."}},
        {"t no degrees", [](DistributionSet& s) { return calculateTWindow(s.t, "1", "2", "df"); },
         {"Input Error", "Please put in a numerical value for the degrees of freedom"}},
        {"t 281", [](DistributionSet& s) { return calculateTWindow(s.t, "1", "2", "281"); },
         {"OUT OF BOUNDS",
          "Cannot compute t-distribution if the degrees of freedom exceed 280. Please use the "
          "Normal Distribution."}},
        {"chi-square too large for int",
         [](DistributionSet& s) {
             return calculateChiSquareWindow(s.chiSquare, "1", "2", "99999999999");
         },
         {"OUT OF BOUNDS", "Cannot compute distribution if the degrees of freedom exceed 280."}},
        {"t zero", [](DistributionSet& s) { return calculateTWindow(s.t, "1", "2", "0"); },
         {"INPUT ERROR", "The degrees of freedom must be >= 1"}},
        {"F no d.f. 1",
         [](DistributionSet& s) { return calculateFWindow(s.f, "1", "2", "a", "3"); },
         {"Input Error", "Please put in a numerical value for F1."}},
        {"F no d.f. 2", [](DistributionSet& s) { return calculateFWindow(s.f, "1", "2", "3", ""); },
         {"Input Error", "Please put in a numerical value for F2."}},
        {"F 90 and 0, one box",
         [](DistributionSet& s) { return calculateFWindow(s.f, "1", "2", "90", "0"); },
         {"OUT OF BOUNDS",
          "Calculation not accurate if the degrees of freedom #1 exceed 80.\nThe degrees of "
          "freedom #2 must be >= 1\n"}},
        {"F good d.f. 1 is not kept",
         [](DistributionSet& s) { return calculateFWindow(s.f, "1", "2", "3", "81"); },
         {"OUT OF BOUNDS", "Calculation not accurate if the degrees of freedom #2 exceed 80.\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DistributionSet set;
        double lo = 0.25, hi = 0.5;
        for (Distribution* d :
             std::initializer_list<Distribution*>{&set.normal, &set.t, &set.f, &set.chiSquare})
            d->setLimits(lo, hi);
        const Snapshot before = snapshot(set, set.f);
        const WindowCalculation result = c.calculate(set);
        ASSERT_TRUE(result.message);
        EXPECT_EQ(*result.message, c.message);
        EXPECT_TRUE(result.probability.empty());
        EXPECT_EQ(snapshot(set, set.f), before);
        EXPECT_EQ(snapshot(set, set.normal), snapshot(set, set.chiSquare));
        EXPECT_EQ(snapshot(set, set.t), before);
    }
}

// Hand-computed for a 700 x 450 client area with a 16-pixel line.
TEST(ControlStrip, PlacesTheBoxesAcrossTheBottom) {
    struct Case {
        DistributionKind kind;
        std::vector<int> inputX;
        int probabilityX, width;
        std::vector<std::string> labels;
        std::string probabilityLabel;
    };
    const Case cases[] = {
        {DistributionKind::ChiSquare, {28, 162, 296, 430}, 564, 106, {"X1", "X2", "D.F.", ""},
         "Probability"},
        {DistributionKind::T, {28, 162, 296, 430}, 564, 106, {"T1", "T2", "D.F.", ""},
         "Probability"},
        {DistributionKind::F, {14, 128, 242, 356, 470}, 584, 100,
         {"F1", "F2", "D.F. 1", "D.F. 2", ""}, "Probability"},
        {DistributionKind::Normal, {35, 201, 367}, 533, 131, {"", "", ""}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(distributionTitle(c.kind));
        const ControlStrip strip = controlStrip(c.kind, 700, 450, 16);
        ASSERT_EQ(strip.inputs.size(), c.inputX.size());
        for (std::size_t i = 0; i < c.inputX.size(); ++i) {
            EXPECT_EQ(strip.inputs[i].box, (StripRect{c.inputX[i], 402, c.width, 24}));
            EXPECT_EQ(strip.inputs[i].label, c.labels[i]);
        }
        EXPECT_EQ(strip.probability.box, (StripRect{c.probabilityX, 402, c.width, 24}));
        EXPECT_EQ(strip.probability.label, c.probabilityLabel);
        EXPECT_EQ(strip.labelTop, 386);
    }
    EXPECT_EQ(statisticsWindowSize(600, 500), (WindowSize{700, 450}));
    EXPECT_EQ(statisticsWindowSize(1200, 900), (WindowSize{1000, 675}));
    EXPECT_EQ(statisticsWindowSize(840, 604), (WindowSize{700, 453}));
}

}  // namespace
}  // namespace orrery
