#pragma once

#include "common/color_ref.h"
#include "statistics/distribution_kind.h"
#include "statistics/distribution_picture.h"

namespace orrery {

// The size of the picture and the one measurement of each font it needs:
// the line height (character height plus external leading).
struct PictureFrame {
    int width = 0;
    int height = 0;
    int axisLineHeight = 0;
    int annotationLineHeight = 0;
};

// The statistics colours of the live graph settings.
struct StatisticsColors {
    ColorRef axes = 0;
    ColorRef background = 0;
    ColorRef label = 0;
    ColorRef curve = 0;
};

// The arrow heads are outlined in this dark blue whatever the colours.
inline constexpr ColorRef kArrowOutline = makeRgb(0, 0, 100);

// The annotation's face: serif for chi-square and F, sans-serif otherwise.
PictureFont annotationFont(DistributionKind kind);

// The filled density with the area between the limits hatched, the axes with
// their ticks, labels and letters, and the annotation. Points where the
// density is infinite or undefined are left out and do not set the scale.
DistributionPicture drawDistribution(const DrawnDistribution& drawn, const PictureFrame& frame,
                                     const StatisticsColors& colors);

}  // namespace orrery
