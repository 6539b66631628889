#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>
#include <string>
#include <vector>

#include "common/user_message.h"
#include "shell/export_format.h"

namespace orrery {

class GraphPainter;
class GraphView;

// An exported picture's file content, and the refusals of curves that could
// not be drawn into it.
struct EncodedPicture {
    QByteArray bytes;  // empty when the encoder failed
    std::vector<UserMessage> messages;
};

// The export variant of the graph picture: background, axes, every curve
// (whether or not the graph shows them yet) and the graph text, at
// width x height. BMP and PNG go through QImageWriter, JPEG through libjpeg at
// quality 99 with full-resolution colour, GIF with a 256-colour palette; SVG
// and PDF are drawn by the same painter onto the vector device, so curves
// stay paths.
EncodedPicture encodePicture(ExportFormat format, GraphView& view, GraphPainter& painter, int width,
                             int height);

// The graph picture as an image on a white ground (the outline's smooth outer
// edge blends with what lies beneath it): the export variant with allCurves,
// otherwise the picture the window shows.
QImage graphImage(GraphView& view, GraphPainter& painter, int width, int height, bool allCurves,
                  std::vector<UserMessage>* messages = nullptr);

// Writes the picture's bytes over `path` (whole or not at all); an encoder
// that produced nothing is a failed save too, never reported as success.
std::optional<UserMessage> savePicture(const std::string& path, const EncodedPicture& picture);

}  // namespace orrery
