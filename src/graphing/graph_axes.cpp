#include "graphing/graph_axes.h"

#include <cmath>
#include <limits>

#include "common/c_numeric.h"
#include "graphing/graph_ticks.h"

namespace orrery {

std::int32_t toPixel(double value) {
    if (std::isnan(value)) return 0;
    constexpr double kLow = std::numeric_limits<std::int32_t>::min();
    constexpr double kHigh = std::numeric_limits<std::int32_t>::max();
    if (value <= kLow) return std::numeric_limits<std::int32_t>::min();
    if (value >= kHigh) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::trunc(value));
}

namespace {

// The row or column of zero, moved to the nearer edge when it lies outside.
struct AxisPlace {
    std::int32_t pixel;
    bool offScreen;
};

AxisPlace clampToWindow(double zero, std::int32_t extent) {
    if (std::isnan(zero) || zero < 20) return {20, !(zero >= 20)};
    if (zero > extent - 20) return {extent - 20, true};
    return {toPixel(zero), false};
}

std::string decimals(double value, std::int32_t count) { return formatC("%.*f", count, value); }

// The ticks at n/4 and 3n/4 carry labels.
template <typename Label>
void labelQuarterTicks(const std::vector<AxisTick>& ticks, Label label) {
    const std::size_t n = ticks.size();
    if (n == 0) return;
    label(ticks[n / 4]);
    if ((3 * n) / 4 != n / 4) label(ticks[(3 * n) / 4]);
}

}  // namespace

CartesianAxes cartesianAxes(const CurveLimits& range, std::int32_t width, std::int32_t height,
                            const LabelFormats& formats, std::int32_t lineHeight) {
    CartesianAxes axes;
    const AxisPlace row = clampToWindow((height - 40) / (range.yMax - range.yMin) * range.yMax + 20, height);
    const AxisPlace column = clampToWindow((width - 40) / (range.xMin - range.xMax) * range.xMin + 20, width);
    axes.xAxis = {20, row.pixel, width - 20, row.pixel};
    axes.xAxisOffScreen = row.offScreen;
    axes.yAxis = {column.pixel, 20, column.pixel, height - 20};
    axes.yAxisOffScreen = column.offScreen;

    const std::int32_t x0 = column.pixel;
    const std::int32_t y0 = row.pixel;
    const std::int32_t lh = lineHeight;
    const std::int32_t half = (5 * lh) / 18;
    const std::int32_t dy = 0.9 * height <= y0 ? -23 : 10;
    const std::int32_t dx = 0.9 * width > x0 ? (3 * lh) / 2 : -23;
    const std::int32_t xLimitDecimals = formats.xDecimals();
    const std::int32_t yLimitDecimals = formats.yDecimals();
    const std::int32_t xTickDecimals = xLimitDecimals + 1;
    const std::int32_t yTickDecimals = yLimitDecimals + 1;

    const auto xTicks = computeTicks(range.xMin, range.xMax, width, true);
    for (const auto& tick : xTicks) axes.ticks.push_back({tick.position, y0 - half, tick.position, y0 + half});
    labelQuarterTicks(xTicks, [&](const AxisTick& tick) {
        axes.labels.push_back({tick.position, y0 + dy, decimals(tick.value, xTickDecimals), LabelAlign::Center});
    });

    const auto yTicks = computeTicks(range.yMin, range.yMax, height, false);
    for (const auto& tick : yTicks) axes.ticks.push_back({x0 - half, tick.position, x0 + half, tick.position});
    labelQuarterTicks(yTicks, [&](const AxisTick& tick) {
        axes.labels.push_back(
            {x0 + dx, tick.position - lh / 2, decimals(tick.value, yTickDecimals), LabelAlign::Center});
    });

    axes.labels.push_back({lh / 2, y0 + 10, decimals(range.xMin, xLimitDecimals), LabelAlign::Left});
    axes.labels.push_back({width - lh / 2, y0 + dy, decimals(range.xMax, xLimitDecimals), LabelAlign::Right});
    axes.labels.push_back({x0 + (3 * lh) / 2, (2 * lh) / 3, decimals(range.yMax, yLimitDecimals), LabelAlign::Center});
    axes.labels.push_back({x0 + dx, height - half - lh, decimals(range.yMin, yLimitDecimals), LabelAlign::Center});
    return axes;
}

BoxedAxes boxedAxes(const CurveLimits& range, std::int32_t width, std::int32_t height,
                    const BoxFontMetrics& metrics) {
    BoxedAxes axes;
    axes.frame = {20, 20, width - 20, height - 20};
    const std::int32_t lh = metrics.charHeight;
    const std::int32_t acw = metrics.averageCharWidth;
    const std::int32_t m = (5 * (lh + metrics.externalLeading)) / 3;
    for (int i = 1; i <= 9; ++i) {
        const std::int32_t x = toPixel(20 + i * (width - 40) * 0.1);
        axes.gridLines.push_back({x, 20, x, height - 20});
        const double value = range.xMin + i * (range.xMax - range.xMin) * 0.1;
        const std::string text = formatC("%.2f", value);
        const std::int32_t left = x - (value >= 0 ? 2 : 3) * acw;
        axes.labels.push_back({left, lh / 2, text, LabelAlign::Left});
        axes.labels.push_back({left, height - m, text, LabelAlign::Left});
    }
    for (int i = 1; i <= 9; ++i) {
        const std::int32_t y = toPixel(20 + i * (height - 40) * 0.1);
        axes.gridLines.push_back({20, y, width - 20, y});
        const double value = range.yMax - i * (range.yMax - range.yMin) * 0.1;
        const std::string text = formatC("%.2f", value);
        axes.labels.push_back({lh / 2, y - lh / 2, text, LabelAlign::Left});
        const std::int32_t right = toPixel((width - m) - (value >= 0 ? 4 : 5) * acw);
        axes.labels.push_back({right, y - lh / 2, text, LabelAlign::Left});
    }
    return axes;
}

}  // namespace orrery
