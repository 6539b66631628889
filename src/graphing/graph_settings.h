#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphing/color_ref.h"
#include "graphing/curve_limits.h"

namespace orrery {

// Which all-curves flag setAllFlag changes.
enum class AllCurvesFlag : int { Limits = 0, Points = 1, Styles = 2, Thickness = 3 };

// The appearance of the graph: per-curve point counts, pens, limits and
// colours with their all-curves flags, the axes, the fixed colours and the
// window options. One live instance; dialogs edit copies.
//
// Per-curve lookups grow their sequence on demand and never fail, so a curve
// index beyond the stored entries reads the fill value (entry 0 when the
// all-curves flag is set, otherwise the default).
class GraphSettings {
public:
    static constexpr std::int32_t kDefaultPointCount = 500;
    static constexpr std::int32_t kDefaultThickness = 1;
    static constexpr std::int32_t kDefaultLineStyle = 0;
    static constexpr std::int32_t kDefaultAxesType = 1;
    static constexpr double kDefaultCalculatorProportion = 0.495;
    static constexpr std::size_t kDefaultEntries = 10;
    // Curves are plotted with 2 to 30001 points: the Simpson dialog raises a
    // curve's count to its own, up to 30001, and documents keep it.
    static constexpr std::int32_t kMinPointCount = 2;
    static constexpr std::int32_t kMaxPointCount = 30001;

    static ColorRef defaultCurveColor(std::size_t index);
    static ColorRef defaultOriginalPointColor(std::size_t index);
    static constexpr ColorRef kDefaultLabelColor = makeRgb(0, 55, 0);
    static constexpr ColorRef kDefaultAxesColor = makeRgb(235, 0, 0);
    static constexpr ColorRef kDefaultBackgroundColor = makeRgb(255, 255, 255);
    static constexpr ColorRef kDefaultStatsColor = makeRgb(155, 0, 155);

    GraphSettings();

    std::int32_t pointCount(std::int32_t i);
    std::int32_t thickness(std::int32_t i);
    std::int32_t lineStyle(std::int32_t i);
    bool showOriginal(std::int32_t i);
    ColorRef curveColor(std::int32_t i);
    ColorRef originalPointColor(std::int32_t i);

    void setPointCount(std::int32_t i, std::int32_t n, bool all);
    void setThickness(std::int32_t i, std::int32_t n, bool all);
    void setLineStyle(std::int32_t i, std::int32_t n, bool all);
    void setShowOriginal(std::int32_t i, bool on);
    void setAllFlag(AllCurvesFlag which, bool value);
    bool allFlag(AllCurvesFlag which) const;

    // Colour of a kind; index is the curve for kinds 3 and 4.
    ColorRef color(ColorKind kind, std::int32_t index = 0);
    void setColor(ColorKind kind, std::int32_t index, ColorRef value);

    // The stored limits of curve i, or the defaults when none are stored.
    CurveLimits limitsOf(std::int32_t i) const;
    // Replaces entry i, or appends when i is the length; false beyond that.
    bool setLimits(std::int32_t i, const CurveLimits& limits, bool markModified);
    // One bound of entry i, or of every entry when all; false when i has no entry.
    bool setLimit(std::int32_t i, int which, double value, bool all);
    // Smallest minima and largest maxima of the stored limits; found is false
    // (and the defaults returned) when none are stored.
    CurveLimits unionOfLimits(bool* found = nullptr) const;
    void resetLimits(std::size_t n);

    void restoreDefaults();

    // The sequences as stored (documents and profiles read and write them whole).
    std::vector<ColorRef> curveColors;
    std::vector<ColorRef> originalPointColors;
    std::vector<std::int32_t> pointCounts;
    std::vector<std::int32_t> thicknesses;
    std::vector<std::int32_t> lineStyles;
    std::vector<CurveLimits> limits;
    std::vector<bool> showOriginalPoints;

    bool allLimits = true;
    bool allPoints = true;
    bool allStyles = true;
    bool allThickness = true;
    std::int32_t axesType = kDefaultAxesType;  // 0 None, 1 Cartesian, 2 Boxed
    ColorRef labelColor = kDefaultLabelColor;
    ColorRef axesColor = kDefaultAxesColor;
    ColorRef backgroundColor = kDefaultBackgroundColor;
    ColorRef statsColor = kDefaultStatsColor;

    bool modified = false;
    bool toolTips = true;      // tooltips of the calculator keys
    bool splitScreen = true;   // calculator and graph side by side
    double calculatorProportion = kDefaultCalculatorProportion;
    std::string profileName;   // the profile last loaded or saved in this run

    friend bool operator==(const GraphSettings&, const GraphSettings&) = default;
};

}  // namespace orrery
