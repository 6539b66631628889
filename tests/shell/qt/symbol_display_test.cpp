#include "shell/qt/symbol_display.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "calculator_face_fixture.h"

namespace orrery {
namespace {

using testing::countPixels;
using testing::FaceFixture;

// Text is antialiased: a pixel "in" a colour is one whose dominant channels
// match the colour's, well away from the pale background.
bool greenish(const QColor& c) {
    return c.green() - c.red() > 60 && c.green() - c.blue() > 60;
}
bool bluish(const QColor& c) {
    return c.blue() - c.red() > 60 && c.blue() - c.green() > 60;
}
bool cursorRed(const QColor& c) {
    return c == QColor(255, 0, 0);
}
bool background(const QColor& c) {
    return c == QColor(245, 245, 255);
}

TEST(SymbolDisplayTest, DrawsKeysInTheirClassColoursWithTheCursor) {
    FaceFixture f;
    SymbolDisplay* display = f.face.symbolDisplay();
    QImage image = display->grab().toImage();
    EXPECT_EQ(countPixels(image, greenish), 0);
    EXPECT_GT(countPixels(image, background), image.width() * image.height() / 2);
    EXPECT_GT(countPixels(image, cursorRed), 20);  // the box at the start

    f.type("7");
    image = display->grab().toImage();
    EXPECT_GT(countPixels(image, greenish), 10);
    EXPECT_EQ(countPixels(image, bluish), 0);

    f.type("sin");
    f.type("(");
    image = display->grab().toImage();
    EXPECT_GT(countPixels(image, bluish), 10);
}

TEST(SymbolDisplayTest, ShowsTwoLinesAroundTheCursor) {
    FaceFixture f(300, 400);
    f.type("123456789012345678901234567890123456789012345678901234567890");
    SymbolDisplay* display = f.face.symbolDisplay();
    const SymbolLayout& layout = display->symbolLayout();
    ASSERT_GE(layout.lineCount(), 3);
    EXPECT_EQ(layout.firstVisibleLine(), layout.lineCount() - 2);

    // Both rows carry digits; moving home brings the first line back.
    const QImage image = display->grab().toImage();
    const int h = image.height();
    EXPECT_GT(countPixels(image.copy(0, h / 6, image.width(), h / 3), greenish), 10);
    EXPECT_GT(countPixels(image.copy(0, h / 2, image.width(), h / 3), greenish), 10);
    f.face.cursorKey(CalculatorInput::CursorKey::Home);
    EXPECT_EQ(display->symbolLayout().firstVisibleLine(), 0);
    // Down and Up move by the lines on screen.
    f.face.cursorKey(CalculatorInput::CursorKey::Down);
    EXPECT_EQ(f.curve().cursor, display->lineStarts()[1]);
    f.face.cursorKey(CalculatorInput::CursorKey::Up);
    EXPECT_EQ(f.curve().cursor, 0);
}

TEST(SymbolDisplayTest, AClickPlacesTheCursorAndGivesFocusBack) {
    FaceFixture f;
    f.type("1234");
    SymbolDisplay* display = f.face.symbolDisplay();
    QSignalSpy focus(display, &SymbolDisplay::focusReturned);
    const SymbolLayout& layout = display->symbolLayout();
    const int y = display->rowCentre(0);
    QTest::mouseClick(display, Qt::LeftButton, {}, QPoint(layout.entryX(1) + 2, y));
    EXPECT_EQ(f.curve().cursor, 1);
    EXPECT_EQ(focus.count(), 1);
    QTest::mouseClick(display, Qt::LeftButton, {}, QPoint(display->width() - 3, y));
    EXPECT_EQ(f.curve().cursor, 4);
    QTest::mouseClick(display, Qt::RightButton, {}, QPoint(layout.entryX(0) + 2, y));
    EXPECT_EQ(f.curve().cursor, 4);
}

TEST(SymbolDisplayTest, ShowsTheCurrentCurve) {
    FaceFixture f;
    f.type("5");
    const QImage first = f.face.symbolDisplay()->grab().toImage();
    ASSERT_FALSE(f.view.nextCurve().has_value());
    f.face.refreshDisplays();
    const QImage second = f.face.symbolDisplay()->grab().toImage();
    EXPECT_EQ(countPixels(second, greenish), 0);
    // The curve number in the corner changed from 1 to 2.
    const QRect corner(0, 0, 20, 20);
    EXPECT_NE(first.copy(corner), second.copy(corner));
}

}  // namespace
}  // namespace orrery
