#pragma once

#include <QColor>
#include <QRectF>

class QPainter;
class QPalette;

namespace orrery {

// The face follows the desktop: light keys by day, dark keys when the
// desktop's palette is dark.
enum class FaceTone { Light, Dark };
// Dark when the palette's window background is darker than its text.
FaceTone faceToneOf(const QPalette& palette);

// Draws the face of key 0-44 over rect: a rounded key tinted by its group
// (digits light, operators and functions tinted, control keys in colours of
// their own) with its notation sized to the rectangle. pressed draws the key
// pushed in.
void paintKeyFace(QPainter& p, const QRectF& rect, int keyIndex, bool pressed, FaceTone tone = FaceTone::Light);

// Draws the small caption naming a key's other function, fitted into rect
// (the band above a paired button), in a colour that stands out on the face.
void paintKeyCaption(QPainter& p, const QRectF& rect, int keyIndex);

// The colour of the calculator body behind the keys, for the face to paint.
QColor keyFaceBodyColor(FaceTone tone = FaceTone::Light);

}  // namespace orrery
