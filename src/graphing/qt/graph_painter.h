#pragma once

#include <cstdint>
#include <vector>

#include <QPolygonF>

#include "common/user_message.h"
#include "graphing/curve_plot.h"
#include "graphing/segment_clip.h"

class QPainter;

namespace orrery {

class GraphView;

// What one picture found: whether some curve could not be drawn, and the
// refusals to show (once, by whoever asked for the picture).
struct GraphPicture {
    bool anyFailed = false;
    std::vector<UserMessage> messages;
};

// Draws the whole graph picture onto any painter: the window, an image for
// export or the clipboard, a printer page. It keeps the plotter between
// pictures, so repaints recompile only edited curves and reuse their buffers.
class GraphPainter {
public:
    // Background, axes, the curves (when the view shows them, or always with
    // allCurves) and the graph text, into a width x height picture. The
    // view's own size stays the window's: the text's font scales with the
    // ratio of the two.
    GraphPicture paint(QPainter& painter, GraphView& view, int width, int height, bool allCurves = false);

    // Smooth edges by default; off for a quick or pixel-exact picture.
    void setAntialiased(bool on) { antialiased_ = on; }
    bool antialiased() const { return antialiased_; }

private:
    void drawCurves(QPainter& painter, const GraphPlot& plot, int width, int height);
    void strokeLine(QPainter& painter, const PlotLine& line, int penWidth, const ClipBox& box);

    CurvePlotter plotter_;
    GraphPlot plot_;
    QPolygonF run_;  // one polyline at a time, reused
    bool antialiased_ = true;
};

}  // namespace orrery
