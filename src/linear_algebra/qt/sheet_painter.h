#pragma once

#include <QImage>
#include <QRect>

#include "linear_algebra/sheet_layout.h"

class QPainter;

namespace orrery {

// Draws the matrices' or vectors' picture on any device: the preview window,
// a printed page, the clipboard image. The fixed-pitch font grows with the
// area's width, so a page looks like the preview; a layout wider than the area
// is scaled down to fit. `scroll` moves the picture up by that many pixels.
class SheetPainter {
public:
    explicit SheetPainter(const SheetPicture& picture) : picture_(picture) {}

    void paint(QPainter& painter, const QRect& area, int scroll = 0) const;
    // The layout in the area's pixels, before any scaling down.
    SheetLayout layout(int width) const;
    // The picture on white, `size` wide and at least that high (taller when the
    // layout needs it, so nothing is cut off).
    QImage image(QSize size) const;

private:
    const SheetPicture& picture_;
};

}  // namespace orrery
