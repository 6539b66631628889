#include "graphing/graph_settings.h"

#include <algorithm>
#include <array>

namespace orrery {

namespace {

constexpr std::array<ColorRef, 10> kCurveColors = {
    makeRgb(155, 0, 155), makeRgb(0, 155, 0),   makeRgb(0, 0, 155),   makeRgb(155, 155, 0),
    makeRgb(155, 0, 0),   makeRgb(0, 155, 155), makeRgb(100, 100, 0), makeRgb(100, 0, 100),
    makeRgb(0, 100, 100), makeRgb(55, 200, 55)};

constexpr std::array<ColorRef, 10> kOriginalPointColors = {
    makeRgb(155, 155, 0), makeRgb(0, 155, 155), makeRgb(155, 0, 55),  makeRgb(155, 155, 0),
    makeRgb(155, 0, 0),   makeRgb(0, 155, 155), makeRgb(100, 100, 0), makeRgb(100, 0, 100),
    makeRgb(0, 100, 100), makeRgb(55, 200, 55)};

constexpr ColorRef kColorBeyondTable = makeRgb(155, 0, 155);

// Entry i of a per-curve sequence, growing it with the fill value: entry 0
// when its all-curves flag is set, otherwise the default for the entry's own
// index. A negative index reads the default and stores nothing.
template <typename T, typename Default>
T lazyEntry(std::vector<T>& entries, std::int32_t i, bool allFlag, Default defaultFor) {
    if (i < 0) return defaultFor(0);
    const auto wanted = static_cast<std::size_t>(i);
    while (entries.size() <= wanted) {
        const std::size_t next = entries.size();
        entries.push_back(allFlag && !entries.empty() ? T(entries[0]) : T(defaultFor(next)));
    }
    return entries[wanted];
}

// setPointCount and its two twins: entry i gets n (the entries in between get
// n when the flag is set, else the default); all sets every entry.
void setEntry(std::vector<std::int32_t>& entries, std::int32_t i, std::int32_t n, bool all,
              bool allFlag, std::int32_t defaultValue) {
    if (i < 0) return;
    const auto wanted = static_cast<std::size_t>(i);
    while (entries.size() <= wanted) entries.push_back(allFlag ? n : defaultValue);
    entries[wanted] = n;
    if (all) std::fill(entries.begin(), entries.end(), n);
}

std::vector<ColorRef> defaultColors(std::size_t count, ColorRef (*fill)(std::size_t)) {
    std::vector<ColorRef> out(count);
    for (std::size_t k = 0; k < count; ++k) out[k] = fill(k);
    return out;
}

}  // namespace

ColorRef GraphSettings::defaultCurveColor(std::size_t index) {
    return index < kCurveColors.size() ? kCurveColors[index] : kColorBeyondTable;
}

ColorRef GraphSettings::defaultOriginalPointColor(std::size_t index) {
    return index < kOriginalPointColors.size() ? kOriginalPointColors[index] : kColorBeyondTable;
}

GraphSettings::GraphSettings()
    : curveColors(kCurveColors.begin(), kCurveColors.end()),
      originalPointColors(kOriginalPointColors.begin(), kOriginalPointColors.end()),
      pointCounts(kDefaultEntries, kDefaultPointCount),
      thicknesses(kDefaultEntries, kDefaultThickness),
      lineStyles(kDefaultEntries, kDefaultLineStyle) {}

std::int32_t GraphSettings::pointCount(std::int32_t i) {
    return lazyEntry(pointCounts, i, allPoints, [](std::size_t) { return kDefaultPointCount; });
}

std::int32_t GraphSettings::thickness(std::int32_t i) {
    return lazyEntry(thicknesses, i, allThickness, [](std::size_t) { return kDefaultThickness; });
}

std::int32_t GraphSettings::lineStyle(std::int32_t i) {
    return lazyEntry(lineStyles, i, allStyles, [](std::size_t) { return kDefaultLineStyle; });
}

bool GraphSettings::showOriginal(std::int32_t i) {
    return lazyEntry(showOriginalPoints, i, false, [](std::size_t) { return true; });
}

ColorRef GraphSettings::curveColor(std::int32_t i) {
    return lazyEntry(curveColors, i, false, defaultCurveColor);
}

ColorRef GraphSettings::originalPointColor(std::int32_t i) {
    return lazyEntry(originalPointColors, i, false, defaultOriginalPointColor);
}

void GraphSettings::setPointCount(std::int32_t i, std::int32_t n, bool all) {
    setEntry(pointCounts, i, n, all, allPoints, kDefaultPointCount);
    modified = true;
}

void GraphSettings::setThickness(std::int32_t i, std::int32_t n, bool all) {
    setEntry(thicknesses, i, n, all, allThickness, kDefaultThickness);
    modified = true;
}

void GraphSettings::setLineStyle(std::int32_t i, std::int32_t n, bool all) {
    setEntry(lineStyles, i, n, all, allStyles, kDefaultLineStyle);
    modified = true;
}

void GraphSettings::setShowOriginal(std::int32_t i, bool on) {
    if (i < 0) return;
    showOriginal(i);
    showOriginalPoints[static_cast<std::size_t>(i)] = on;
    modified = true;
}

void GraphSettings::setAllFlag(AllCurvesFlag which, bool value) {
    switch (which) {
        case AllCurvesFlag::Limits: allLimits = value; break;
        case AllCurvesFlag::Points: allPoints = value; break;
        case AllCurvesFlag::Styles: allStyles = value; break;
        case AllCurvesFlag::Thickness: allThickness = value; break;
    }
    modified = true;
}

bool GraphSettings::allFlag(AllCurvesFlag which) const {
    switch (which) {
        case AllCurvesFlag::Limits: return allLimits;
        case AllCurvesFlag::Points: return allPoints;
        case AllCurvesFlag::Styles: return allStyles;
        case AllCurvesFlag::Thickness: return allThickness;
    }
    return false;
}

ColorRef GraphSettings::color(ColorKind kind, std::int32_t index) {
    switch (kind) {
        case ColorKind::Axes: return axesColor;
        case ColorKind::Background: return backgroundColor;
        case ColorKind::Label: return labelColor;
        case ColorKind::Curve: return curveColor(index);
        case ColorKind::OriginalPoints: return originalPointColor(index);
        case ColorKind::Statistics: return statsColor;
    }
    return 0;
}

void GraphSettings::setColor(ColorKind kind, std::int32_t index, ColorRef value) {
    value &= 0x00FFFFFF;
    switch (kind) {
        case ColorKind::Axes: axesColor = value; break;
        case ColorKind::Background: backgroundColor = value; break;
        case ColorKind::Label: labelColor = value; break;
        case ColorKind::Curve:
            if (index < 0) return;
            curveColor(index);
            curveColors[static_cast<std::size_t>(index)] = value;
            break;
        case ColorKind::OriginalPoints:
            if (index < 0) return;
            originalPointColor(index);
            originalPointColors[static_cast<std::size_t>(index)] = value;
            break;
        case ColorKind::Statistics:
            // The statistics windows' colour is not part of a graph document's changes.
            statsColor = value;
            return;
    }
    modified = true;
}

CurveLimits GraphSettings::limitsOf(std::int32_t i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= limits.size()) return CurveLimits{};
    return limits[static_cast<std::size_t>(i)];
}

bool GraphSettings::setLimits(std::int32_t i, const CurveLimits& value, bool markModified) {
    if (i < 0 || static_cast<std::size_t>(i) > limits.size()) return false;
    if (static_cast<std::size_t>(i) == limits.size())
        limits.push_back(value);
    else
        limits[static_cast<std::size_t>(i)] = value;
    modified = markModified;
    return true;
}

bool GraphSettings::setLimit(std::int32_t i, int which, double value, bool all) {
    if (i < 0 || static_cast<std::size_t>(i) >= limits.size()) return false;
    if (all) {
        for (auto& entry : limits) entry.setBound(which, value);
    } else {
        limits[static_cast<std::size_t>(i)].setBound(which, value);
    }
    modified = true;
    allLimits = all;
    return true;
}

CurveLimits GraphSettings::unionOfLimits(bool* found) const {
    if (found) *found = !limits.empty();
    if (limits.empty()) return CurveLimits{};
    CurveLimits u = limits.front();
    for (const auto& entry : limits) {
        u.xMin = std::min(u.xMin, entry.xMin);
        u.xMax = std::max(u.xMax, entry.xMax);
        u.yMin = std::min(u.yMin, entry.yMin);
        u.yMax = std::max(u.yMax, entry.yMax);
    }
    return u;
}

void GraphSettings::resetLimits(std::size_t n) {
    limits.assign(n, CurveLimits{});
    allLimits = true;
    modified = true;
}

void GraphSettings::restoreDefaults() {
    axesType = kDefaultAxesType;
    allLimits = allPoints = allStyles = allThickness = true;
    const std::size_t colourCount = std::max(kDefaultEntries, curveColors.size());
    curveColors = defaultColors(colourCount, defaultCurveColor);
    const std::size_t pointColourCount = std::max(kDefaultEntries, originalPointColors.size());
    originalPointColors = defaultColors(pointColourCount, defaultOriginalPointColor);
    labelColor = kDefaultLabelColor;
    axesColor = kDefaultAxesColor;
    backgroundColor = kDefaultBackgroundColor;
    statsColor = kDefaultStatsColor;
    pointCounts.assign(std::max(kDefaultEntries, pointCounts.size()), kDefaultPointCount);
    lineStyles.assign(std::max(kDefaultEntries, lineStyles.size()), kDefaultLineStyle);
    thicknesses.assign(std::max(kDefaultEntries, thicknesses.size()), kDefaultThickness);
    calculatorProportion = kDefaultCalculatorProportion;
    splitScreen = true;
    toolTips = true;
    limits.assign(limits.size(), CurveLimits{});
    modified = true;
}

}  // namespace orrery
