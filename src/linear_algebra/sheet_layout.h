#pragma once

#include <string>
#include <vector>

#include "linear_algebra/sheet_picture.h"

namespace orrery {

// The fonts a layout asks for: the fixed-pitch face of the grids and marks,
// and the same face smaller for raised marks.
enum class SheetFont { Fixed, Raised };

// The share of the fixed font's size that a raised mark takes.
inline constexpr double kRaisedScale = 0.7;

// One text, placed by the top-left corner of its line box.
struct SheetText {
    double x = 0;
    double y = 0;
    std::string text;
    SheetFont font = SheetFont::Fixed;
};

struct SheetLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The picture as primitives for one painter to draw on any device.
struct SheetLayout {
    std::vector<SheetText> texts;
    std::vector<SheetLine> lines;  // the brackets
    double width = 0;              // the extent of everything drawn, margins included
    double height = 0;
};

// The fixed font as measured by the painter: every character is one advance wide.
struct SheetMetrics {
    double advance = 8;
    double lineHeight = 16;
};

// Lays the picture out in rows no wider than `width` where the items allow:
// the operands, then the result beneath them. Items flow left to right and
// wrap; grids in a row share one centre line, and so do the words between
// them. Columns of a grid are right-aligned, so entries with the same
// decimals line up by their points.
SheetLayout layoutSheet(const SheetPicture& picture, const SheetMetrics& metrics, double width);

}  // namespace orrery
