#pragma once

#include "common/color_ref.h"

namespace orrery {

// Which colour of the graph settings a dialog or reader means.
enum class ColorKind : int { Axes = 0, Background = 1, Label = 2, Curve = 3, OriginalPoints = 4, Statistics = 5 };

}  // namespace orrery
