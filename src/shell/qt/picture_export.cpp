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
#include "shell/jpeg_encoder.h"
#include "shell/png_encoder.h"

namespace orrery {
namespace {

// Vector pictures measure pixels at the screen's 96 per inch, so their fonts
// and pens keep the proportions of the window.
constexpr int kPixelsPerInch = 96;

QByteArray writeImage(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) return {};
    return bytes;
}

const std::uint32_t* pixelsOf(const QImage& image) {
    return reinterpret_cast<const std::uint32_t*>(image.constBits());
}

std::int32_t strideOf(const QImage& image) { return static_cast<std::int32_t>(image.bytesPerLine() / 4); }

QByteArray toBytes(const std::vector<std::uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

QByteArray jpegBytes(const QImage& image) {
    constexpr int kQuality = 99;
    return toBytes(encodeJpeg(pixelsOf(image), image.width(), image.height(), strideOf(image), kQuality));
}

QByteArray gifBytes(const QImage& image) {
    return toBytes(encodeGif(quantizeColors(pixelsOf(image), image.width(), image.height(), strideOf(image))));
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

QImage graphImage(GraphView& view, GraphPainter& graph, int width, int height, bool allCurves,
                  std::vector<UserMessage>* messages) {
    if (width <= 0 || height <= 0) return {};
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    GraphPicture picture = graph.paint(painter, view, width, height, allCurves);
    if (messages) *messages = std::move(picture.messages);
    return image;
}

EncodedPicture encodePicture(ExportFormat format, GraphView& view, GraphPainter& painter, int width,
                             int height) {
    EncodedPicture out;
    if (width <= 0 || height <= 0) return out;
    switch (format) {
        case ExportFormat::Svg: out.bytes = svgBytes(view, painter, width, height, out); return out;
        case ExportFormat::Pdf: out.bytes = pdfBytes(view, painter, width, height, out); return out;
        default: break;
    }
    const QImage image = graphImage(view, painter, width, height, true, &out.messages);
    switch (format) {
        case ExportFormat::Bmp: out.bytes = writeImage(image, "bmp"); break;
        case ExportFormat::Png:
            out.bytes = toBytes(encodePng(pixelsOf(image), image.width(), image.height(), strideOf(image)));
            break;
        case ExportFormat::Jpeg: out.bytes = jpegBytes(image); break;
        case ExportFormat::Gif: out.bytes = gifBytes(image); break;
        case ExportFormat::Svg:
        case ExportFormat::Pdf: break;
    }
    return out;
}

std::optional<UserMessage> savePicture(const std::string& path, const EncodedPicture& picture) {
    if (picture.bytes.isEmpty()) return couldNotSaveMessage(path);
    return writePictureFile(path, std::string_view(picture.bytes.constData(),
                                                   static_cast<std::size_t>(picture.bytes.size())));
}

}  // namespace orrery
