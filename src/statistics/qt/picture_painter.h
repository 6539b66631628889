#pragma once

#include <QFont>
#include <QRect>

#include "statistics/distribution_drawing.h"

class QPainter;
class QPaintDevice;

namespace orrery {

// The drawing's fonts: "Times New Roman" at 9 points for the axes, and the
// annotation at 11 points in "Times New Roman" or "Verdana". Point sizes
// follow the device's resolution, so a printed page gets the same
// proportions as the window.
QFont pictureFont(PictureFont font);

// The frame of a picture W x H on the device, with the fonts of the
// distribution's drawing measured there.
PictureFrame measurePictureFrame(QPaintDevice* device, DistributionKind kind, int width,
                                 int height);

// Paints the primitives into `area` (its corner is the picture's origin),
// clipped to it: a density too tall for the frame leaves at its edge.
void paintPicture(QPainter& painter, const DistributionPicture& picture, const QRect& area);

// Measures, draws and paints one distribution into `area` on a white ground.
void paintDistribution(QPainter& painter, const DrawnDistribution& drawn,
                       const StatisticsColors& colors, const QRect& area);

}  // namespace orrery
