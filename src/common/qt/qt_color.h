#pragma once

#include <QColor>

#include "common/color_ref.h"

namespace orrery {

// The core keeps colours as 0x00BBGGRR; Qt wants QColor.
inline QColor toQColor(ColorRef color) {
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

inline ColorRef fromQColor(const QColor& color) {
    return makeRgb(color.red(), color.green(), color.blue());
}

}  // namespace orrery
