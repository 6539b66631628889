#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orrery {

// The printf formats of the Cartesian axis labels. Each axis takes as many
// decimals as the more precise of its two typed bounds; tick labels one more.
class LabelFormats {
public:
    // which: 0 xMin, 1 xMax, 2 yMin, 3 yMax. The count is the characters after
    // the first "." of the typed text, or 1 without one.
    void setLabelPrecision(int which, std::string_view typedText);
    void reset();

    const std::string& xLimitFormat() const { return xLimit_; }
    const std::string& xTickFormat() const { return xTick_; }
    const std::string& yLimitFormat() const { return yLimit_; }
    const std::string& yTickFormat() const { return yTick_; }
    // Decimals of the range labels of each axis; tick labels show one more.
    std::int32_t xDecimals() const { return std::max(decimals_[0], decimals_[1]); }
    std::int32_t yDecimals() const { return std::max(decimals_[2], decimals_[3]); }
    std::int32_t decimals(int which) const { return decimals_[static_cast<std::size_t>(which & 3)]; }

    friend bool operator==(const LabelFormats&, const LabelFormats&) = default;

private:
    void rebuild();

    std::array<std::int32_t, 4> decimals_{1, 1, 1, 1};
    std::string xLimit_ = "%.1f";
    std::string xTick_ = "%.2f";
    std::string yLimit_ = "%.1f";
    std::string yTick_ = "%.2f";
};

}  // namespace orrery
