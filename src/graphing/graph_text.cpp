#include "graphing/graph_text.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orrery {

void GraphText::restoreDefaultStyle() {
    bold = italic = underline = false;
    color = kDefaultColor;
    fontIndex = kDefaultFontIndex;
    sizeIndex = kDefaultSizeIndex;
}

std::string graphTextSizeName(std::int32_t sizeIndex) { return std::to_string((sizeIndex + 2) * 5); }

bool validFontIndex(std::int32_t i) {
    return i >= 0 && i < static_cast<std::int32_t>(kGraphTextFontNames.size());
}

bool validSizeIndex(std::int32_t i) { return i >= 0 && i < kGraphTextSizeCount; }

std::int32_t graphTextFontHeight(std::int32_t sizeIndex, std::int32_t pictureWidth,
                                 std::int32_t windowWidth) {
    // A picture narrower than the window (or a window not yet sized) keeps the
    // window's own height rather than a zero-height font.
    const std::int32_t scale = windowWidth > 0 ? std::max(1, pictureWidth / windowWidth) : 1;
    return scale * (sizeIndex + 2) * 5;
}

std::vector<std::string> graphTextLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        lines.push_back(text.substr(start, at - start));
    lines.push_back(text.substr(start));
    return lines;
}

std::int32_t graphTextLineTop(std::int32_t anchorY, std::int32_t charHeight, std::int32_t line) {
    return anchorY + ((2 * line - 1) * charHeight) / 2;
}

TextMarker textMarker(std::int32_t anchorX, std::int32_t anchorY, std::int32_t radius, bool dragging,
                      ColorRef axesColor) {
    TextMarker marker{anchorX, anchorY, radius, {}, dragging ? makeRgb(200, 175, 0) : axesColor,
                      dragging ? makeRgb(0, 165, 0) : makeRgb(0, 200, 0)};
    for (std::size_t k = 0; k < marker.hexagon.size(); ++k) {
        const double angle = (30.0 + 60.0 * static_cast<double>(k)) * std::numbers::pi / 180.0;
        marker.hexagon[k] = {anchorX + radius * std::cos(angle), anchorY - radius * std::sin(angle)};
    }
    return marker;
}

}  // namespace orrery
