#include "shell/qt/picture_export.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "graphing/qt/graph_painter.h"
#include "shell/gif_encoder.h"

namespace orrery {
namespace {

// Vector pictures measure pixels at the screen's 96 per inch, so their fonts
// and pens keep the proportions of the window.
constexpr int kPixelsPerInch = 96;

QImage paintImage(GraphView& view, GraphPainter& graph, int width, int height, EncodedPicture& out) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    out.messages = graph.paint(painter, view, width, height, true).messages;
    return image;
}

QByteArray writeImage(const QImage& image, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0) writer.setQuality(quality);
    if (!writer.write(image)) return {};
    return bytes;
}

QByteArray gifBytes(const QImage& image) {
    const IndexedPicture indexed =
        quantizeColors(reinterpret_cast<const std::uint32_t*>(image.constBits()), image.width(), image.height(),
                       static_cast<std::int32_t>(image.bytesPerLine() / 4));
    const std::vector<std::uint8_t> gif = encodeGif(indexed);
    return QByteArray(reinterpret_cast<const char*>(gif.data()), static_cast<qsizetype>(gif.size()));
}

QByteArray svgBytes(GraphView& view, GraphPainter& graph, int width, int height, EncodedPicture& out) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(width, height));
    generator.setViewBox(QRect(0, 0, width, height));
    generator.setResolution(kPixelsPerInch);
    generator.setTitle(QStringLiteral("Orrery graph"));
    QPainter painter;
    if (!painter.begin(&generator)) return {};
    out.messages = graph.paint(painter, view, width, height, true).messages;
    if (!painter.end()) return {};
    return bytes;
}

QByteArray pdfBytes(GraphView& view, GraphPainter& graph, int width, int height, EncodedPicture& out) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Orrery"));
    writer.setTitle(QStringLiteral("Orrery graph"));
    writer.setResolution(kPixelsPerInch);
    // One page exactly the picture's size.
    writer.setPageSize(QPageSize(QSizeF(width * 72.0 / kPixelsPerInch, height * 72.0 / kPixelsPerInch),
                                 QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer)) return {};
    out.messages = graph.paint(painter, view, width, height, true).messages;
    if (!painter.end()) return {};
    return bytes;
}

}  // namespace

EncodedPicture encodePicture(ExportFormat format, GraphView& view, GraphPainter& painter, int width,
                             int height) {
    EncodedPicture out;
    if (width <= 0 || height <= 0) return out;
    switch (format) {
        case ExportFormat::Svg: out.bytes = svgBytes(view, painter, width, height, out); return out;
        case ExportFormat::Pdf: out.bytes = pdfBytes(view, painter, width, height, out); return out;
        default: break;
    }
    const QImage image = paintImage(view, painter, width, height, out);
    switch (format) {
        case ExportFormat::Bmp: out.bytes = writeImage(image, "bmp"); break;
        case ExportFormat::Png: out.bytes = writeImage(image, "png"); break;
        case ExportFormat::Jpeg:
            out.bytes = writeImage(image.allGray() ? image.convertToFormat(QImage::Format_Grayscale8) : image,
                                   "jpeg", 99);
            break;
        case ExportFormat::Gif: out.bytes = gifBytes(image); break;
        case ExportFormat::Svg:
        case ExportFormat::Pdf: break;
    }
    return out;
}

}  // namespace orrery
