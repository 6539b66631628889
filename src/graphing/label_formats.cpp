#include "graphing/label_formats.h"

#include <algorithm>

namespace orrery {

void LabelFormats::setLabelPrecision(int which, std::string_view typedText) {
    const auto dot = typedText.find('.');
    const auto count = dot == std::string_view::npos ? std::size_t{1} : typedText.size() - dot - 1;
    // A format beyond 30 decimals shows nothing more and would only widen labels.
    decimals_[static_cast<std::size_t>(which & 3)] = static_cast<std::int32_t>(std::min<std::size_t>(count, 30));
    rebuild();
}

void LabelFormats::reset() { *this = LabelFormats{}; }

void LabelFormats::rebuild() {
    const auto format = [](std::int32_t n) { return "%." + std::to_string(n) + "f"; };
    const std::int32_t x = xDecimals();
    const std::int32_t y = yDecimals();
    xLimit_ = format(x);
    xTick_ = format(x + 1);
    yLimit_ = format(y);
    yTick_ = format(y + 1);
}

}  // namespace orrery
