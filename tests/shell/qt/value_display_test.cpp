#include "shell/qt/value_display.h"

#include <gtest/gtest.h>

#include <QFocusEvent>
#include <QSignalSpy>
#include <cfloat>

#include "calculator_face_fixture.h"
#include "expression/number_format.h"
#include "graphing/curve_plot.h"

namespace orrery {
namespace {

using testing::FaceFixture;

TEST(ValueDisplayTest, ShowsAConstantWithTheDigitsItsWidthAllows) {
    FaceFixture f(550, 640);
    ValueDisplay* display = f.face.valueDisplay();
    QSignalSpy available(&f.face, &CalculatorFace::resultAvailable);
    f.type("2^10");
    plotCurve(f.curve(), f.settings, 400, 400);
    f.face.refreshDisplays();
    EXPECT_EQ(display->digits(), 17);
    EXPECT_EQ(display->text(), QStringLiteral("1024.000000000000"));
    ASSERT_EQ(available.count(), 1);
    EXPECT_TRUE(available.at(0).at(0).toBool());
    // The whole number fits in the box.
    EXPECT_LT(display->fontMetrics().horizontalAdvance(display->text()), display->width());
    const int green = testing::countPixels(display->grab().toImage(), [](const QColor& c) {
        return c.green() - c.red() > 50 && c.green() - c.blue() > 50;
    });
    EXPECT_GT(green, 20);

    f.face.resize(300, 400);
    EXPECT_LT(display->digits(), 17);
    EXPECT_EQ(display->text().toStdString(),
              FormatForDisplay(1024.0, display->digits(), display->digits()));
    EXPECT_EQ(available.count(), 1);

    f.curve().valueState = ValueState::Undefined;
    f.curve().value = DBL_MAX;
    f.face.refreshDisplays();
    EXPECT_EQ(display->text(), QStringLiteral("Out of Bounds"));
    ASSERT_EQ(available.count(), 2);
    EXPECT_FALSE(available.at(1).at(0).toBool());
}

TEST(ValueDisplayTest, FocusSelectsTheWholeValue) {
    FaceFixture f;
    f.curve().valueState = ValueState::Constant;
    f.curve().value = 0.5;
    f.face.refreshDisplays();
    ValueDisplay* display = f.face.valueDisplay();
    EXPECT_TRUE(display->isReadOnly());
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(display, &focusIn);
    EXPECT_FALSE(display->text().isEmpty());
    EXPECT_EQ(display->selectedText(), display->text());
}

}  // namespace
}  // namespace orrery
