#include "graphing/curve_analysis.h"
#include "graphing/analysis_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "common/c_numeric.h"
#include "expression/curve_evaluation.h"
#include "support/case_file.h"
#include "typed_curve.h"

namespace orrery {
namespace {

CompiledExpression compiled(const std::string& text) {
    PreparedExpression prepared = prepareExpression(testing::typed(text), ExpressionContext{});
    EXPECT_TRUE(prepared.program) << text;
    return *prepared.program;
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string word; in >> word;) out.push_back(word);
    if (out.size() == 1 && out[0] == "-") out.clear();
    return out;
}

// "N ulp" or an absolute error.
bool near(double actual, double expected, const std::string& tolerance) {
    if (tolerance.ends_with("ulp")) {
        const int ulps = std::stoi(tolerance);
        double lo = expected;
        double hi = expected;
        for (int i = 0; i < ulps; ++i) {
            lo = std::nextafter(lo, -INFINITY);
            hi = std::nextafter(hi, INFINITY);
        }
        return actual >= lo && actual <= hi;
    }
    return std::fabs(actual - expected) <= parseDoubleC(tolerance);
}

std::string describe(const std::vector<AnalysisPoint>& points) {
    std::string text;
    for (const AnalysisPoint& p : points) text += formatC(" %.17g:%.17g", p.x, p.y);
    return text;
}

TEST(CurveAnalysis, CasesFile) {
    testing::forEachCase(ORRERY_TEST_DATA_DIR "/analysis_cases.txt", 25, [](const testing::Case& c) {
        ASSERT_EQ(c.fields.size(), 5u);
        const std::string& kind = c.fields[0];
        double xMin = 0;
        double xMax = 0;
        std::istringstream(c.fields[2]) >> xMin >> xMax;
        const std::vector<std::string> expected = words(c.fields[3]);
        const std::string& tolerance = c.fields[4];

        std::vector<AnalysisPoint> found;
        std::vector<std::string> kinds;
        const std::size_t split = c.fields[1].find(" ; ");
        const CompiledExpression f = compiled(c.fields[1].substr(0, split));
        if (kind == "meet") {
            const CompiledExpression g = compiled(c.fields[1].substr(split + 3));
            found = findIntersections(f, g, xMin, xMax);
        } else if (kind == "zeros") {
            found = findZeros(analysedCurve(f), xMin, xMax);
        } else {
            const char* names[] = {"min", "max", "end"};
            for (const Extremum& e : findExtrema(analysedCurve(f), xMin, xMax)) {
                found.push_back({e.x, e.y});
                kinds.push_back(names[static_cast<int>(e.kind)]);
            }
        }
        ASSERT_EQ(found.size(), expected.size()) << describe(found);
        for (std::size_t i = 0; i < found.size(); ++i) {
            const AnalysisPoint& p = found[i];
            // Every result is a defined point of the curve itself.
            EXPECT_EQ(p.y, f.evaluate(p.x)) << i;
            if (kind != "extrema") {
                EXPECT_TRUE(near(p.x, parseDoubleC(expected[i]), tolerance))
                    << formatC("%.17g", p.x) << " for " << expected[i];
                if (kind == "zeros") {
                    EXPECT_LE(std::fabs(p.y), 1e-12) << i;
                }
                continue;
            }
            const std::string& text = expected[i];
            const std::size_t at = text.find('@');
            const std::size_t colon = text.find(':');
            EXPECT_EQ(kinds[i], text.substr(0, at));
            EXPECT_TRUE(near(p.x, parseDoubleC(text.substr(at + 1, colon - at - 1)), tolerance))
                << formatC("%.17g", p.x) << " for " << text;
            EXPECT_NEAR(p.y, parseDoubleC(text.substr(colon + 1)), 1e-14) << text;
        }
    });
}

TEST(CurveAnalysis, RefusesIntervalsItCannotSearch) {
    const CompiledExpression f = compiled("sinx");
    for (const auto& [xMin, xMax] : std::vector<std::pair<double, double>>{
             {1, 1}, {2, 1}, {NAN, 1}, {-INFINITY, 0}, {0, INFINITY}, {-1.7e308, 1.7e308}}) {
        ASSERT_TRUE(analysisIntervalProblem(xMin, xMax)) << xMin << " " << xMax;
        EXPECT_EQ(analysisIntervalProblem(xMin, xMax)->text,
                  "The interval needs two finite numbers with XMIN less than XMAX.");
        EXPECT_TRUE(findZeros(analysedCurve(f), xMin, xMax).empty());
        EXPECT_TRUE(findExtrema(analysedCurve(f), xMin, xMax).empty());
    }
    EXPECT_FALSE(analysisIntervalProblem(-1e300, 1e300));
}

TEST(AnalysisReport, ListsResultsAndPlacesTheirMarkers) {
    const CompiledExpression parabola = compiled("x^2-1");
    const std::vector<AnalysisResult> results =
        analyse(AnalysisSearch::Extrema, parabola, nullptr, -2, 1, kAnalysisMinimumGrid);
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(analysisLine(1, results[0]), "1. End          x = -2  y = 3");
    EXPECT_EQ(analysisText({{"Zero", 1.0 / 3, 0.0}, {"Intersection", -0.5, 2.5}}),
              "1. Zero         x = 0.33333333333333331  y = 0\n"
              "2. Intersection x = -0.5  y = 2.5\n");
    EXPECT_TRUE(analyse(AnalysisSearch::Intersections, parabola, nullptr, -2, 1, 500).empty());

    // The curve's domain within the graph's range; its own domain when they miss.
    const CurveLimits graph{-5, 5, -5, 5};
    EXPECT_EQ(visibleInterval(graph, {-10, 2, -1, 1}), (std::pair<double, double>{-5, 2}));
    EXPECT_EQ(visibleInterval(graph, {6, 8, -1, 1}), (std::pair<double, double>{6, 8}));

    // A 440 x 240 graph: the frame runs from 20 to 420 across and 20 to 220 down,
    // and y sits on the curve's own scale.
    struct Placement {
        double x, y;
        std::optional<std::pair<double, double>> pixel;
    };
    const Placement placements[] = {
        {0, 0, std::pair{220.0, 120.0}},  {-5, 5, std::pair{20.0, 20.0}}, {5, -5, std::pair{420.0, 220.0}},
        {2.5, 2.5, std::pair{320.0, 70.0}}, {5.1, 0, std::nullopt},        {0, -5.01, std::nullopt},
        {NAN, 0, std::nullopt},
    };
    for (const Placement& p : placements) {
        const auto pixel = markerPixel(graph, graph, 440, 240, p.x, p.y);
        ASSERT_EQ(pixel.has_value(), p.pixel.has_value()) << p.x << " " << p.y;
        if (pixel) {
            EXPECT_EQ(std::pair(pixel->x, pixel->y), *p.pixel) << p.x << " " << p.y;
        }
    }
    const auto scaled = markerPixel(graph, {-5, 5, 0, 100}, 440, 240, 0, 25);
    ASSERT_TRUE(scaled);
    EXPECT_EQ(scaled->y, 170.0);
}

}  // namespace
}  // namespace orrery
