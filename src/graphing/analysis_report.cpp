#include "graphing/analysis_report.h"

#include <algorithm>

#include "common/c_numeric.h"
#include "graphing/curve_analysis.h"

namespace orrery {

std::vector<AnalysisResult> analyse(AnalysisSearch search, const CompiledExpression& curve,
                                    const CompiledExpression* second, double xMin, double xMax,
                                    std::int32_t gridPoints) {
    std::vector<AnalysisResult> results;
    switch (search) {
        case AnalysisSearch::Zeros:
            for (const AnalysisPoint& p : findZeros(analysedCurve(curve), xMin, xMax, gridPoints))
                results.push_back({"Zero", p.x, p.y});
            break;
        case AnalysisSearch::Extrema: {
            const char* names[] = {"Minimum", "Maximum", "End"};
            for (const Extremum& e : findExtrema(analysedCurve(curve), xMin, xMax, gridPoints))
                results.push_back({names[static_cast<int>(e.kind)], e.x, e.y});
            break;
        }
        case AnalysisSearch::Intersections:
            if (second == nullptr) break;
            for (const AnalysisPoint& p : findIntersections(curve, *second, xMin, xMax, gridPoints))
                results.push_back({"Intersection", p.x, p.y});
            break;
    }
    return results;
}

std::string analysisLine(std::size_t number, const AnalysisResult& result) {
    return formatC("%zu. %-12s x = %.17g  y = %.17g", number, result.kind.c_str(), result.x, result.y);
}

std::string analysisText(const std::vector<AnalysisResult>& results) {
    std::string text;
    for (std::size_t i = 0; i < results.size(); ++i) text += analysisLine(i + 1, results[i]) + "\n";
    return text;
}

std::pair<double, double> visibleInterval(const CurveLimits& graphRange, const CurveLimits& curveLimits) {
    const double from = std::max(graphRange.xMin, curveLimits.xMin);
    const double to = std::min(graphRange.xMax, curveLimits.xMax);
    if (from < to) return {from, to};
    return {curveLimits.xMin, curveLimits.xMax};
}

std::optional<MarkerPixel> markerPixel(const CurveLimits& graphRange, const CurveLimits& curveLimits,
                                       std::int32_t width, std::int32_t height, double x, double y) {
    constexpr double kMargin = 20.0;
    const double px = kMargin + (x - graphRange.xMin) * (width - 2 * kMargin) / (graphRange.xMax - graphRange.xMin);
    const double py =
        kMargin + (curveLimits.yMax - y) * (height - 2 * kMargin) / (curveLimits.yMax - curveLimits.yMin);
    const bool inside = px >= kMargin && px <= width - kMargin && py >= kMargin && py <= height - kMargin;
    if (!inside) return std::nullopt;  // NaN fails every comparison too
    return MarkerPixel{px, py};
}

PreparedExpression compileCurve(const Curve& curve, std::int32_t index) {
    if (curve.tokens.empty())
        return {std::nullopt, UserMessage{"Input Error", formatC("Curve %d has no expression.", index + 1)}};
    ExpressionContext context;
    context.curveIndex = index;
    return prepareExpression(curve.tokens, context);
}

}  // namespace orrery
