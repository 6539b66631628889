#include "shell/qt/key_face_painter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <set>

#include "calculator_face_fixture.h"
#include "expression/key_table.h"

namespace orrery {
namespace {

QImage keyImage(int keyIndex, QSize size, bool pressed, FaceTone tone = FaceTone::Light) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(keyFaceBodyColor(tone));
    QPainter p(&image);
    paintKeyFace(p, QRectF(QPointF(0, 0), QSizeF(size)), keyIndex, pressed, tone);
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

// On a dark desktop the digit, operator and function keys turn dark with
// light notation; the keys with colours of their own keep them.
TEST(KeyFacePainterTest, DarkPaletteGivesDarkKeysWithLightNotation) {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    QPalette light;
    light.setColor(QPalette::Window, QColor(0xEF, 0xEF, 0xEF));
    light.setColor(QPalette::WindowText, Qt::black);
    ASSERT_EQ(faceToneOf(dark), FaceTone::Dark);
    ASSERT_EQ(faceToneOf(light), FaceTone::Light);

    const QColor body = keyFaceBodyColor(FaceTone::Dark);
    for (int keyIndex = 0; keyIndex < kKeyCount; ++keyIndex) {
        SCOPED_TRACE("key " + std::to_string(keyIndex));
        const QImage byNight = keyImage(keyIndex, QSize(60, 40), false, FaceTone::Dark);
        const QColor key = keyColorOf(byNight);
        const QColor dayKey = keyColorOf(keyImage(keyIndex, QSize(60, 40), false));
        EXPECT_TRUE(far(key, body, 60)) << "every key stands out from the face";
        if (keyAt(keyIndex).keyClass == KeyClass::Control) {
            EXPECT_EQ(key, dayKey) << "a key of its own colour keeps it";
            continue;
        }
        EXPECT_LT(key.lightness(), 100) << "by day " << dayKey.lightness();
        const int lightInk = testing::countPixels(
            byNight, [&](const QColor& c) { return c.lightness() > key.lightness() + 100; });
        EXPECT_GE(lightInk, 4) << "light notation";
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
