#pragma once

#include <QIcon>

namespace orrery {

// The program's icon, drawn at run time: a curve over axes on a rounded tile.
QIcon appIcon();

}  // namespace orrery
