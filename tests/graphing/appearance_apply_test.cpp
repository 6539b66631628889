// Handing a dialog's working copy back to the live settings and the curves.
#include "graphing/appearance_apply.h"

#include <gtest/gtest.h>

#include "graphing/graph_view.h"

namespace orrery {
namespace {

TEST(WindowSizesTrackbar, PositionsAndSharesMapBothWays) {
    struct Case {
        double proportion;
        int position;
    };
    // The default share sits on step 10; shares beyond the ends (a divider
    // dragged to an edge) stay on the trackbar.
    for (const Case c : {Case{0.495, 10}, Case{0.05, 19}, Case{0.95, 1}, Case{0.5, 10}, Case{0.0, 19},
                         Case{1.0, 1}, Case{0.7, 6}})
        EXPECT_EQ(proportionTrackbarPosition(c.proportion), c.position) << c.proportion;
    EXPECT_DOUBLE_EQ(calculatorProportionAt(19), 0.05);
    EXPECT_DOUBLE_EQ(calculatorProportionAt(1), 0.95);
    // Every step shows again on itself, though 0.05 steps are not exact in binary.
    for (int position = 1; position <= 19; ++position)
        EXPECT_EQ(proportionTrackbarPosition(calculatorProportionAt(position)), position);
}

TEST(CurveThickness, TwoOrMoreForcesSolidLinesOnTheCurvesItReaches) {
    struct Case {
        bool allThickness;
        int thickness;
        bool stylesUsable;
        std::vector<std::int32_t> styles;  // of curves 0 to 2 afterwards
        bool allStyles;
    };
    for (const Case& c : {Case{true, 3, false, {0, 0, 0}, true}, Case{false, 3, false, {2, 0, 2}, false},
                          Case{true, 1, true, {2, 3, 2}, false}}) {
        GraphSettings working;
        working.lineStyles = {2, 3, 2};
        working.allStyles = false;
        working.allThickness = c.allThickness;
        EXPECT_EQ(setCurveThickness(working, 1, c.thickness), c.stylesUsable);
        EXPECT_EQ(working.lineStyles, c.styles) << c.allThickness << " " << c.thickness;
        EXPECT_EQ(working.allStyles, c.allStyles);
        EXPECT_EQ(working.thickness(c.allThickness ? 2 : 1), c.thickness);
    }
}

TEST(WorkingCopy, BecomesLiveWithoutLosingLimitsOfCurvesAddedMeanwhile) {
    GraphSettings live;
    live.limits = {CurveLimits{}, {0, 1, 0, 1}};
    GraphSettings working = live;
    working.limits.resize(1);
    working.axesType = 2;
    working.labelColor = makeRgb(1, 2, 3);
    live.limits.push_back({2, 3, 2, 3});  // a curve added while a sheet was open

    GraphSettings colorsOnly = live;
    takeWorkingColors(colorsOnly, working);
    EXPECT_EQ(colorsOnly.labelColor, makeRgb(1, 2, 3));
    EXPECT_EQ(colorsOnly.axesType, 1) << "the colour sheet changes colours only";
    EXPECT_EQ(colorsOnly.limits.size(), 3u);
    EXPECT_TRUE(colorsOnly.modified);

    takeWorkingCopy(live, working);
    EXPECT_EQ(live.axesType, 2);
    EXPECT_EQ(live.limits, (std::vector<CurveLimits>{CurveLimits{}, {0, 1, 0, 1}, {2, 3, 2, 3}}));
    EXPECT_TRUE(live.modified);
}

class DomainsApply : public ::testing::Test {
protected:
    GraphSettings settings;
    GraphView view{settings};

    void SetUp() override {
        view.setSize(440, 440);
        view.curves().addCurve(settings, view.range(), true);
    }
};

TEST_F(DomainsApply, IdenticalDomainsMoveEveryCurveAndTheRange) {
    const CurveLimits typed{0, 10, -2, 2};
    applyDomains(view, typed, true, {"0", "10", "-2.00", "2"});
    EXPECT_EQ(view.range(), typed);
    EXPECT_EQ(view.curves().at(0).limits, typed);
    EXPECT_EQ(view.curves().at(1).limits, typed);
    EXPECT_EQ(settings.limits, std::vector<CurveLimits>(2, typed));
    EXPECT_EQ(view.labelFormats().xDecimals(), 1);
    EXPECT_EQ(view.labelFormats().yDecimals(), 2);
    EXPECT_DOUBLE_EQ(view.curves().at(1).domainScale, 1.0);
}

TEST_F(DomainsApply, SeparateDomainsApplyEachCurvesStoredBounds) {
    settings.limits = {{0, 4, -1, 1}, {2, 10, -3, 3}};
    applyDomains(view, settings.limits[1], false, {"2", "10.5", "-3", "3"});
    EXPECT_EQ(view.curves().at(0).limits, (CurveLimits{0, 4, -1, 1}));
    EXPECT_EQ(view.curves().at(1).limits, (CurveLimits{2, 10, -3, 3}));
    EXPECT_EQ(view.range(), (CurveLimits{0, 10, -3, 3})) << "the union of the curves";
    EXPECT_DOUBLE_EQ(view.curves().at(0).domainScale, 0.4);
    EXPECT_FALSE(settings.allLimits);
    EXPECT_EQ(view.labelFormats().xDecimals(), 1);
}

}  // namespace
}  // namespace orrery
