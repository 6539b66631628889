#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "graphing/color_ref.h"

namespace orrery {

// The one block of free text on the graph: its style, content and anchor.
struct GraphText {
    static constexpr std::int32_t kDefaultFontIndex = 4;  // Times New Roman
    static constexpr std::int32_t kDefaultSizeIndex = 4;  // 30 units
    static constexpr ColorRef kDefaultColor = makeRgb(0, 0, 165);
    static constexpr double kDefaultX = 0.75;
    static constexpr double kDefaultY = 0.25;

    bool bold = false;
    bool italic = false;
    bool underline = false;
    ColorRef color = kDefaultColor;
    std::int32_t fontIndex = kDefaultFontIndex;
    std::int32_t sizeIndex = kDefaultSizeIndex;
    std::string text;   // UTF-8; lines separated by "\r\n"
    bool shown = false;
    double x = kDefaultX;  // anchor as fractions of the window width and height
    double y = kDefaultY;
    bool dragging = false;

    // The style alone back to its defaults (position and text stay).
    void restoreDefaultStyle();

    friend bool operator==(const GraphText&, const GraphText&) = default;
};

// The font and size choices of the Graph Text dialog.
inline constexpr std::array<std::string_view, 6> kGraphTextFontNames = {
    "Arial", "MS Sans Serif", "MS Serif", "Symbol", "Times New Roman", "Verdana"};
inline constexpr std::int32_t kGraphTextSizeCount = 23;  // "10", "15", ..., "120"
std::string graphTextSizeName(std::int32_t sizeIndex);
bool validFontIndex(std::int32_t i);
bool validSizeIndex(std::int32_t i);

// The text's font height for a window of the given width: (W ÷ window width)
// × (sizeIndex + 2) × 5, integer division as the picture is scaled for export.
std::int32_t graphTextFontHeight(std::int32_t sizeIndex, std::int32_t pictureWidth,
                                 std::int32_t windowWidth);

// The lines of a text ("\r\n" separated) and the top of line i when the
// first line is centred vertically on the anchor.
std::vector<std::string> graphTextLines(const std::string& text);
std::int32_t graphTextLineTop(std::int32_t anchorY, std::int32_t charHeight, std::int32_t line);

// The marker shown where an empty text will go: a circle of the text margin
// around the anchor with a hexagon inside, its corners on the circle at 30,
// 90, ..., 330 degrees.
struct TextMarker {
    std::int32_t centreX = 0;
    std::int32_t centreY = 0;
    std::int32_t radius = 0;
    std::array<std::array<double, 2>, 6> hexagon{};
    ColorRef circleColor = 0;
    ColorRef hexagonColor = 0;
};
TextMarker textMarker(std::int32_t anchorX, std::int32_t anchorY, std::int32_t radius, bool dragging,
                      ColorRef axesColor);

enum class NudgeDirection { Left, Up, Right, Down };

}  // namespace orrery
