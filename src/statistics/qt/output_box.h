#pragma once

#include <QLineEdit>
#include <QPalette>

namespace orrery {

// A box that only shows a result: disabled, so it takes no focus or typing,
// but with its text as readable as the boxes beside it.
inline void makeOutputBox(QLineEdit& box) {
    box.setEnabled(false);
    QPalette readable = box.palette();
    readable.setColor(QPalette::Disabled, QPalette::Text,
                      readable.color(QPalette::Active, QPalette::Text));
    box.setPalette(readable);
}

}  // namespace orrery
