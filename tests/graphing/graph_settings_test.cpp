#include "graphing/graph_settings.h"

#include <gtest/gtest.h>

#include "graphing/limit_validation.h"

namespace orrery {
namespace {

TEST(GraphSettings, LazyLookupFillsWithDefaultOrEntryZero) {
    GraphSettings s;
    EXPECT_EQ(s.curveColor(12), makeRgb(155, 0, 155));  // beyond the table
    EXPECT_EQ(s.curveColors.size(), 13u);
    s.pointCounts = {100, 200, 300};
    s.allPoints = false;
    EXPECT_EQ(s.pointCount(7), 500);
    EXPECT_EQ(s.pointCounts.size(), 8u);

    s.pointCounts = {100, 200, 300};
    s.allPoints = true;
    EXPECT_EQ(s.pointCount(7), 100);
    EXPECT_EQ(s.pointCounts, (std::vector<std::int32_t>{100, 200, 300, 100, 100, 100, 100, 100}));
    EXPECT_EQ(s.pointCount(-1), 500);  // never grows for a bad index
    EXPECT_EQ(s.pointCounts.size(), 8u);
}

TEST(GraphSettings, SettersForOneOrAllCurves) {
    GraphSettings s;
    s.lineStyles.assign(5, 0);
    s.setLineStyle(2, 1, true);
    EXPECT_EQ(s.lineStyles, std::vector<std::int32_t>(5, 1));
    s.lineStyles.assign(1, 0);
    s.setLineStyle(2, 1, true);
    EXPECT_EQ(s.lineStyles, std::vector<std::int32_t>(3, 1));
    EXPECT_TRUE(s.modified);

    s.allThickness = false;
    s.thicknesses.assign(1, 4);
    s.setThickness(3, 7, false);
    EXPECT_EQ(s.thicknesses, (std::vector<std::int32_t>{4, 1, 1, 7}));
}

TEST(GraphSettings, LimitsStoreUnionAndReset) {
    GraphSettings s;
    bool found = true;
    EXPECT_EQ(s.unionOfLimits(&found), CurveLimits{});
    EXPECT_FALSE(found);
    EXPECT_TRUE(s.setLimits(0, {-1, 2, -3, 4}, false));
    EXPECT_TRUE(s.setLimits(1, {0, 8, -9, 1}, true));
    EXPECT_FALSE(s.setLimits(3, {}, true));  // beyond the length
    EXPECT_EQ(s.unionOfLimits(&found), (CurveLimits{-1, 8, -9, 4}));
    EXPECT_TRUE(found);

    EXPECT_TRUE(s.setLimit(0, 1, 6.5, true));
    EXPECT_EQ(s.limits[1].xMax, 6.5);
    EXPECT_TRUE(s.allLimits);
    EXPECT_TRUE(s.setLimit(1, 2, -2, false));
    EXPECT_EQ(s.limits[0].yMin, -3);
    EXPECT_FALSE(s.allLimits);
    EXPECT_FALSE(s.setLimit(2, 0, 1, false));

    s.resetLimits(3);
    EXPECT_EQ(s.limits, std::vector<CurveLimits>(3));
}

TEST(GraphSettings, RestoreDefaultsKeepsLongerSequences) {
    GraphSettings s;
    s.pointCounts.assign(12, 40);
    s.lineStyles.assign(3, 2);
    s.curveColors.assign(11, 0);
    s.limits.assign(2, CurveLimits{1, 2, 3, 4});
    s.axesType = 0;
    s.toolTips = s.splitScreen = false;
    s.calculatorProportion = 0.2;
    s.restoreDefaults();
    EXPECT_EQ(s.pointCounts, std::vector<std::int32_t>(12, 500));
    EXPECT_EQ(s.lineStyles, std::vector<std::int32_t>(10, 0));
    EXPECT_EQ(s.curveColors[10], makeRgb(155, 0, 155));
    EXPECT_EQ(s.limits, std::vector<CurveLimits>(2));
    EXPECT_EQ(s.axesType, 1);
    EXPECT_TRUE(s.toolTips && s.splitScreen && s.modified);
    EXPECT_EQ(s.calculatorProportion, 0.495);
}

TEST(GraphSettings, ColourKindsSetModifiedExceptStatistics) {
    GraphSettings s;
    s.setColor(ColorKind::Statistics, 0, makeRgb(1, 2, 3));
    EXPECT_FALSE(s.modified);
    EXPECT_EQ(s.color(ColorKind::Statistics), makeRgb(1, 2, 3));
    s.setColor(ColorKind::OriginalPoints, 11, makeRgb(4, 5, 6));
    EXPECT_TRUE(s.modified);
    EXPECT_EQ(s.originalPointColor(11), makeRgb(4, 5, 6));
    EXPECT_EQ(s.originalPointColors.size(), 12u);
}

// --- typed limits ---

std::array<std::string, 4> fields(const char* a, const char* b, const char* c, const char* d) {
    return {a, b, c, d};
}

TEST(LimitValidation, GoodFieldsAreReadAndUnreadableOnesNamedAndPutBack) {
    GraphSettings s;
    s.setLimits(0, {-1, 1, -2, 2}, false);
    const auto r = validateLimits(s, 0, true, fields("x", "1", "", "inf"));
    EXPECT_FALSE(r.ok);
    ASSERT_TRUE(r.message);
    EXPECT_EQ(r.message->caption, "Improper Limits");
    EXPECT_EQ(r.message->text, "Improper limit for X min\nImproper limit for Y min\nImproper limit for Y max\n");
    EXPECT_EQ(r.rewrittenFields[0], "-1.000000");
    EXPECT_FALSE(r.rewrittenFields[1]);
    EXPECT_EQ(r.rewrittenFields[3], "2.000000");
    const auto good = validateLimits(s, 0, true, fields(" -2.5", "3abc", "-1e1", "7"));
    EXPECT_TRUE(good.ok);
    EXPECT_EQ(good.limits, (CurveLimits{-2.5, 3, -10, 7}));
    EXPECT_FALSE(good.message);
}

TEST(LimitValidation, EmptyIntervalsResetTheStoredBounds) {
    GraphSettings s;
    s.setLimits(0, {-1, 1, -2, 2}, false);
    s.setLimits(1, {-3, 3, -4, 4}, false);
    auto r = validateLimits(s, 0, false, fields("2", "2", "0", "1"));
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.uncheckAllCurves);
    EXPECT_EQ(r.message->caption, "INVALID SCALING PARAMETERS");
    EXPECT_EQ(r.rewrittenFields[0], "-1.000000");
    EXPECT_EQ(r.rewrittenFields[1], "1.000000");
    EXPECT_FALSE(r.rewrittenFields[2]);
    EXPECT_EQ(s.limits[1], (CurveLimits{-3, 3, -4, 4}));

    // A bad Y interval resets yMin and yMax of every curve, whatever the box said.
    r = validateLimits(s, 0, false, fields("0", "1", "5", "5"));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(s.limits[1].yMin, -2);
    EXPECT_EQ(s.limits[1].yMax, 2);
    EXPECT_EQ(s.limits[1].xMin, -3);

    // Exactly 1e-20 wide is too narrow; an overflowing width is refused too.
    EXPECT_FALSE(validateLimits(s, 0, false, fields("0", "1e-20", "0", "1")).ok);
    EXPECT_FALSE(validateLimits(s, 0, false, fields("-1e308", "1e308", "0", "1")).ok);
}

}  // namespace
}  // namespace orrery
