#pragma once

#include <string>
#include <variant>
#include <vector>

#include "common/color_ref.h"

namespace orrery {

// A distribution's drawing as plain primitives in pixel coordinates, so the
// window, the printed page and the clipboard picture share one computation
// and one small painter.
struct PicturePoint {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const PicturePoint&, const PicturePoint&) = default;
};

// A one-pixel polyline.
struct PictureLine {
    std::vector<PicturePoint> points;
    ColorRef color = 0;
};

enum class PictureFill { Solid, BackDiagonalHatch };

// A closed polygon, filled and outlined with a one-pixel pen.
struct PicturePolygon {
    std::vector<PicturePoint> points;
    ColorRef fill = 0;
    ColorRef outline = 0;
    PictureFill style = PictureFill::Solid;
};

// The fonts of the drawing: the axis font for tick labels and axis letters
// (and two thirds of it for a raised index), and the annotation font in the
// serif or the sans-serif face.
enum class PictureFont { Axis, AnnotationSerif, AnnotationSans };

// A line of text whose top-left corner is at topLeft; raised, when not
// empty, follows it in two thirds of the font, lifted by a third.
struct PictureText {
    std::string text;
    PicturePoint topLeft;
    PictureFont font = PictureFont::Axis;
    ColorRef color = 0;
    std::string raised;
};

using PicturePrimitive = std::variant<PictureLine, PicturePolygon, PictureText>;

// The primitives in painting order.
struct DistributionPicture {
    std::vector<PicturePrimitive> items;
};

}  // namespace orrery
