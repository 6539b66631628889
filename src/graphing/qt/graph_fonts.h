#pragma once

#include <QFont>
#include <QString>

namespace orrery {

struct GraphText;

// The picture's font sizes are cell heights (ascent plus descent), as the
// original sizes were given; Qt sizes fonts by their em. This asks for the
// family and scales the em so the cell comes out at the given height.
QFont cellHeightFont(const QString& family, int cellHeight, bool bold = false, bool italic = false,
                     bool underline = false);

// Points to logical pixels at 96 per inch, rounded to nearest.
int pointsToPixels(int points);

// The graph text's font in a picture pictureWidth wide of a window
// windowWidth wide: its face, style and size scaled by the ratio.
QFont graphTextFont(const GraphText& text, int pictureWidth, int windowWidth);

// The font of the "T" inside the empty-text marker.
QFont textMarkerFont();

}  // namespace orrery
