#include "graphing/graph_text.h"

#include <algorithm>

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

}  // namespace orrery
