#pragma once

#include <QCursor>

namespace orrery {

// The zoom-in cursor: a magnifying glass with a plus, its hot spot at the
// centre of the lens.
QCursor magnifyingCursor();

}  // namespace orrery
