#pragma once

// A graph window of a fixed size on a fresh view, and pixel checks that
// allow for smoothed edges.
#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <cstdlib>
#include <string>

#include "common/qt/qt_color.h"
#include "expression/typing.h"
#include "graphing/graph_view.h"
#include "graphing/qt/graph_widget.h"

namespace orrery::testing {

inline int colorDistance(QRgb pixel, const QColor& color) {
    return std::abs(qRed(pixel) - color.red()) + std::abs(qGreen(pixel) - color.green()) +
           std::abs(qBlue(pixel) - color.blue());
}

inline int countNear(const QImage& image, const QRect& area, const QColor& color, int tolerance = 90) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.valid(x, y) && colorDistance(image.pixel(x, y), color) <= tolerance) ++count;
    return count;
}

// How much of `ink` a pixel shows over `paper`: 0 none, 1 solid, and -1 for
// a pixel of some other colour. Smoothed edges are blends of the two.
inline double inkCoverage(QRgb pixel, const QColor& ink, const QColor& paper) {
    const int inkRgb[3] = {ink.red(), ink.green(), ink.blue()};
    const int paperRgb[3] = {paper.red(), paper.green(), paper.blue()};
    const int pixelRgb[3] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
    double along = 0, length = 0;
    for (int c = 0; c < 3; ++c) {
        along += double(pixelRgb[c] - paperRgb[c]) * (inkRgb[c] - paperRgb[c]);
        length += double(inkRgb[c] - paperRgb[c]) * (inkRgb[c] - paperRgb[c]);
    }
    const double t = length > 0 ? along / length : 0;
    double off = 0;
    for (int c = 0; c < 3; ++c) off += std::abs(paperRgb[c] + t * (inkRgb[c] - paperRgb[c]) - pixelRgb[c]);
    return off <= 40 ? t : -1;
}

// Some pixel within `radius` of (x, y) shows at least half the ink.
inline bool inked(const QImage& image, int x, int y, const QColor& ink, const QColor& paper, int radius = 1) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (image.valid(x + dx, y + dy) && inkCoverage(image.pixel(x + dx, y + dy), ink, paper) >= 0.5)
                return true;
    return false;
}

inline int countInked(const QImage& image, const QRect& area, const QColor& ink, const QColor& paper,
                      double coverage = 0.5) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.valid(x, y) && inkCoverage(image.pixel(x, y), ink, paper) >= coverage) ++count;
    return count;
}

class GraphFixture : public ::testing::Test {
protected:
    GraphSettings settings;
    GraphView view{settings};
    GraphWidget widget{view};

    GraphFixture() {
        // One window font everywhere, so the text margin and back button
        // measure the same on every machine.
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        widget.setFont(font);
        widget.resize(440, 440);
    }

    void type(const std::string& text) {
        const TypedExpression typed = typeText(text, {}, true);
        EXPECT_TRUE(typed.messages.empty()) << text;
        view.curves().current().tokens = typed.tokens;
    }

    QImage shot() { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    QColor curveColor(int i = 0) { return toQColor(settings.curveColor(i)); }
    QColor background() const { return toQColor(settings.backgroundColor); }
    int curvePixels(const QImage& image, const QRect& area) {
        return countInked(image, area, curveColor(), background(), 0.3);
    }
};

}  // namespace orrery::testing
