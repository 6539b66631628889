#pragma once

class QPainter;

namespace orrery {

class GraphView;

// The axes of the view's settings (None, Cartesian or Boxed) in a
// width x height picture.
void drawAxes(QPainter& painter, const GraphView& view, int width, int height);

}  // namespace orrery
