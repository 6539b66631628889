#pragma once

class QPainter;

namespace orrery {

class GraphView;

// The graph text at its anchor in a width x height picture, or the marker
// showing where an empty text will go.
void drawGraphText(QPainter& painter, const GraphView& view, int width, int height);

}  // namespace orrery
