// The calculator for those who work with the keyboard and a screen reader:
// keys in words, Tab and the arrows to reach them, the expression as text.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>

#include "main_frame_fixture.h"
#include "shell/qt/calculator_face.h"
#include "shell/qt/symbol_display.h"

namespace orrery::testing {
namespace {

QString accessibleText(QObject* object, QAccessible::Text which) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(which) : QStringLiteral("(none)");
}

TEST_F(MainFrameTest, EveryKeyIsNamedAndDescribedInWordsForTheModeItShows) {
    // That every key has words of its own is checked on the word table.
    CalculatorFace& face = frame->face();
    EXPECT_EQ(accessibleText(face.button(17), QAccessible::Name), "sine");
    EXPECT_EQ(accessibleText(face.button(15), QAccessible::Name), "square root");
    EXPECT_EQ(accessibleText(face.button(0), QAccessible::Name), "second functions");
    EXPECT_EQ(accessibleText(face.button(17), QAccessible::Description),
              "Takes the sine of what follows, in radians");
    face.button(0)->click();
    EXPECT_EQ(accessibleText(face.button(17), QAccessible::Name), "arc sine");
    EXPECT_EQ(accessibleText(face.button(3), QAccessible::Name), "pi");
}

TEST_F(MainFrameTest, TabReachesTheKeysArrowsMoveAndSpaceOrEnterPresses) {
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    CalculatorFace& face = frame->face();
    for (int tab = 0; tab < 6 && QApplication::focusWidget() != face.button(0); ++tab)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), face.button(0));

    auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    press(Qt::Key_Down);  // 7
    press(Qt::Key_Space);
    press(Qt::Key_Right);  // 8
    press(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), face.button(7));  // the focus stays on the key
    QTest::keyClicks(QApplication::focusWidget(), "+x");     // typing still goes to the expression
    std::vector<int> keys;
    for (const ExpressionToken& t : frame->view().curves().current().tokens)
        keys.push_back(t.index);
    EXPECT_EQ(keys, (std::vector<int>{6, 7, 27, 3}));

    for (int i = 0; i < 4; ++i) press(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), face.button(31));  // the bottom row, second key
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    press(Qt::Key_Enter);  // Sketch
    EXPECT_TRUE(frame->view().curvesShown());
}

TEST_F(MainFrameTest, TheSymbolDisplayExposesTheExpressionAsText) {
    SymbolDisplay* display = frame->face().symbolDisplay();
    type("31.5sinx");
    frame->face().cursorKey(CalculatorInput::CursorKey::Left);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(display);
    ASSERT_NE(iface, nullptr);
    QAccessibleTextInterface* text = iface->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()), "31.5 sin x");
    EXPECT_EQ(text->cursorPosition(), 9);  // before the x
    EXPECT_EQ(iface->text(QAccessible::Value), "31.5 sin x");
    EXPECT_EQ(iface->text(QAccessible::Name), "Expression of curve 1");
    EXPECT_TRUE(iface->state().readOnly);
}

}  // namespace
}  // namespace orrery::testing
