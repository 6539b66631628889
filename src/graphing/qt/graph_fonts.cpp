#include "graphing/qt/graph_fonts.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "graphing/graph_text.h"

namespace orrery {

QFont cellHeightFont(const QString& family, int cellHeight, bool bold, bool italic, bool underline) {
    QFont font(family);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(italic);
    font.setUnderline(underline);
    const int height = std::max(1, cellHeight);
    font.setPixelSize(height);
    // Glyphs scale with the em, so one measurement gives the em for the cell.
    const double measured = QFontMetricsF(font).height();
    if (measured > 0) font.setPixelSize(std::max(1, static_cast<int>(std::lround(height * height / measured))));
    return font;
}

int pointsToPixels(int points) { return (points * 96 + 36) / 72; }

QFont graphTextFont(const GraphText& text, int pictureWidth, int windowWidth) {
    const auto index = static_cast<std::size_t>(validFontIndex(text.fontIndex) ? text.fontIndex
                                                                               : GraphText::kDefaultFontIndex);
    const std::int32_t size = validSizeIndex(text.sizeIndex) ? text.sizeIndex : GraphText::kDefaultSizeIndex;
    const std::string_view name = kGraphTextFontNames[index];
    return cellHeightFont(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
                          graphTextFontHeight(size, pictureWidth, windowWidth), text.bold, text.italic,
                          text.underline);
}

QFont textMarkerFont() { return cellHeightFont(QStringLiteral("Times New Roman"), 20, true); }

}  // namespace orrery
