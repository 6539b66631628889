#include "shell/qt/key_face_painter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <set>

#include "calculator_face_fixture.h"
#include "expression/key_table.h"

namespace orrery {
namespace {

QImage keyImage(int keyIndex, QSize size, bool pressed) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(keyFaceBodyColor());
    QPainter p(&image);
    paintKeyFace(p, QRectF(QPointF(0, 0), QSizeF(size)), keyIndex, pressed);
    return image;
}

// The key's own colour: just inside its left border, halfway down, left of
// the centred label.
QColor keyColorOf(const QImage& image) {
    return QColor(image.pixel(3, image.height() / 2));
}

bool far(const QColor& a, const QColor& b, int distance) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) >
           distance;
}

// Every key at a small, a middle and a large size: a key body unlike the
// face, a label that stands out from the key, and no two keys alike.
TEST(KeyFacePainterTest, EveryKeyHasAFaceAndALabelAtEverySize) {
    for (QSize size : {QSize(24, 16), QSize(43, 30), QSize(150, 90)}) {
        std::set<qint64> looks;
        for (int keyIndex = 0; keyIndex < kKeyCount; ++keyIndex) {
            SCOPED_TRACE("key " + std::to_string(keyIndex) + " at " + std::to_string(size.width()));
            const QImage image = keyImage(keyIndex, size, false);
            const QColor key = keyColorOf(image);
            EXPECT_TRUE(far(key, keyFaceBodyColor(), 60));
            const int ink = testing::countPixels(image, [&](const QColor& c) {
                return far(c, key, 150) && far(c, keyFaceBodyColor(), 60);
            });
            EXPECT_GE(ink, 2);
            looks.insert(image.cacheKey() ^
                         qHash(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                          image.sizeInBytes())));
        }
        EXPECT_EQ(looks.size(), static_cast<std::size_t>(kKeyCount));
    }
}

TEST(KeyFacePainterTest, APressedKeyIsDarker) {
    for (int keyIndex : {6, key::kSecondFunction, key::kSketch}) {
        const QColor up = keyColorOf(keyImage(keyIndex, QSize(60, 40), false));
        const QColor down = keyColorOf(keyImage(keyIndex, QSize(60, 40), true));
        EXPECT_LT(down.lightness(), up.lightness()) << keyIndex;
    }
}

TEST(KeyFacePainterTest, CaptionsAreAmberTextOnTheFace) {
    QImage image(60, 24, QImage::Format_RGB32);
    image.fill(keyFaceBodyColor());
    QPainter p(&image);
    paintKeyCaption(p, QRectF(0, 0, 60, 24), key::kPi);
    p.end();
    const int amber = testing::countPixels(
        image, [](const QColor& c) { return c.red() > 180 && c.green() > 100 && c.blue() < 120; });
    EXPECT_GE(amber, 5);
}

}  // namespace
}  // namespace orrery
