#include <QAbstractButton>
#include <QLineEdit>
#include <cmath>

#include <QApplication>
#include <gtest/gtest.h>

#include "expression/number_format.h"
#include "graphing/graph_status.h"
#include "main_frame_fixture.h"
#include "shell/command_ids.h"
#include "shell/qt/calculator_face.h"
#include "shell/qt/divider.h"
#include "shell/qt/frame_menus.h"
#include "shell/qt/frame_status_bar.h"
#include "shell/qt/value_display.h"

namespace orrery::testing {
namespace {

// The first curve's colour (155, 0, 155), blended with the white
// background at the edges of an antialiased line: red and blue equal, green
// well below them.
bool curvePurple(QColor c) {
    return std::abs(c.red() - c.blue()) <= 30 && c.red() - c.green() >= 60;
}

bool curveNear(const QImage& image, int x, int y) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (image.rect().contains(x + dx, y + dy) && curvePurple(image.pixelColor(x + dx, y + dy)))
                return true;
    return false;
}

// Where the graph window maps each point is the graph picture test's; here, that
// typing at the window and Enter get a curve drawn and the frame told.
TEST_F(MainFrameTest, TypingThreeSinXAndEnterDrawsTheCurve) {
    type("3sinx\r");
    const QImage image = graphImage();
    const int W = image.width() / static_cast<int>(image.devicePixelRatio());
    const int H = image.height() / static_cast<int>(image.devicePixelRatio());
    for (double x : {-2.2, 1.57}) {
        const int px = static_cast<int>(20 + (W - 40) * (x + 5) / 10);
        const int py = static_cast<int>(20 + (H - 40) * (5 - 3 * std::sin(x)) / 10);
        EXPECT_TRUE(curveNear(image, px, py)) << x;
        EXPECT_FALSE(curveNear(image, px, py + 40)) << x;
    }
    EXPECT_EQ(frame->frameStatusBar().texts(), graphShownStatus());
    EXPECT_TRUE(frame->menus().isEnabled(command::kSave));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainFrameTest, ConstantAndUndefinedResultsInTheValueDisplayAndStatusBar) {
    type("2^10\r");
    const int digits = frame->face().valueDisplay()->digits();
    EXPECT_EQ(frame->face().valueDisplay()->text().toStdString(), FormatForDisplay(1024, digits, digits));
    // Reset and New start afresh: no result and no complaint stays behind.
    for (int fresh : {command::kReset, command::kNew}) {
        frame->HandleCommand(command::kReset);
        type("sqrt(-1-x^2)\r");
        EXPECT_EQ(frame->face().valueDisplay()->text(), "Out of Bounds");
        EXPECT_EQ(frame->frameStatusBar().texts(), noPointsStatus());
        messages.answers.push_back(MessageAnswer::No);  // New: do not save the changes
        frame->HandleCommand(fresh);
        EXPECT_EQ(frame->face().valueDisplay()->text(), "") << fresh;
        EXPECT_NE(frame->frameStatusBar().texts(), noPointsStatus()) << fresh;
    }
}

TEST_F(MainFrameTest, AtItsSmallestTheWindowKeepsKeysLargeEnoughToRead) {
    frame->resize(100, 100);
    QApplication::processEvents();
    EXPECT_GE(frame->width(), 700);
    for (int id = 0; id < kButtonCount; ++id) {
        const QRect key = frame->face().button(id)->geometry();
        EXPECT_GE(key.height(), 18) << id;
        EXPECT_GE(key.width(), 40) << id;
    }
    EXPECT_GE(frame->graph().height(), 400);
}

TEST_F(MainFrameTest, KeysTypedInTheValueDisplayGoToTheExpression) {
    type("2^10\r");
    ValueDisplay* value = frame->face().valueDisplay();
    QTest::mouseClick(value, Qt::LeftButton);
    QTest::keyClicks(value, "+1");
    EXPECT_EQ(frame->view().curves().current().tokens.size(), 6u);  // 2 ^ 1 0 + 1
}

TEST_F(MainFrameTest, ZoomInByDragAndReverseLastZoom) {
    type("x\r");
    GraphWidget& graph = frame->graph();
    graph.resize(440, 440);
    EXPECT_FALSE(frame->menus().isEnabled(command::kReverseZoom));
    frame->HandleCommand(command::kZoomIn);
    QTest::mousePress(&graph, Qt::LeftButton, {}, QPoint(220, 220));
    QTest::mouseMove(&graph, QPoint(420, 20));
    QTest::mouseRelease(&graph, Qt::LeftButton, {}, QPoint(420, 20));
    EXPECT_EQ(frame->view().range(), (CurveLimits{0, 5, 0, 5}));
    EXPECT_TRUE(frame->menus().isEnabled(command::kReverseZoom));
    frame->HandleCommand(command::kReverseZoom);
    EXPECT_EQ(frame->view().range(), (CurveLimits{-5, 5, -5, 5}));
    EXPECT_FALSE(frame->menus().isEnabled(command::kReverseZoom));
}

TEST_F(MainFrameTest, TheThreeLayouts) {
    // The rectangles are the frame layout's, checked on their own; here, what shows.
    QWidget& client = frame->client();
    const int W = client.width();
    const int H = client.height();
    EXPECT_TRUE(frame->divider().isVisible());
    EXPECT_FALSE(frame->graph().backButton()->isVisible());

    frame->HandleCommand(command::kSplitScreen);  // full-screen graph
    EXPECT_EQ(frame->graph().width(), W);
    EXPECT_TRUE(frame->graph().backButton()->isVisible());
    EXPECT_FALSE(frame->divider().isVisible());
    EXPECT_EQ(frame->menus().action(command::kSplitScreen)->text(), "&Split Screen");

    QTest::mouseClick(frame->graph().backButton(), Qt::LeftButton);  // full-screen calculator
    EXPECT_TRUE(frame->calculatorView());
    EXPECT_EQ(frame->face().geometry(), QRect(0, 0, W, H));
    EXPECT_FALSE(frame->frameStatusBar().isVisible());
    EXPECT_FALSE(frame->graph().isVisible());

    type("x\r");  // drawing brings the graph back
    EXPECT_FALSE(frame->calculatorView());
    EXPECT_TRUE(frame->graph().isVisible());
}

TEST_F(MainFrameTest, DraggingTheDividerChangesTheProportionAndNeverBelowZero) {
    Divider& divider = frame->divider();
    QTest::mousePress(&divider, Qt::LeftButton, {}, QPoint(2, 100));
    QTest::mouseMove(&divider, QPoint(-2000, 100));
    QTest::mouseRelease(&divider, Qt::LeftButton, {}, QPoint(-2000, 100));
    EXPECT_EQ(frame->settings().calculatorProportion, 0.0);
}

TEST_F(MainFrameTest, TooltipAndRestoreDefaultsItems) {
    frame->HandleCommand(command::kToolTips);
    EXPECT_FALSE(frame->settings().toolTips);
    EXPECT_EQ(frame->menus().action(command::kToolTips)->text(), "&Restore Tooltips");
    frame->HandleCommand(command::kRestoreDefaults);
    EXPECT_TRUE(frame->settings().toolTips);
    EXPECT_EQ(frame->menus().action(command::kToolTips)->text(), "&Remove Tooltips");
}

TEST_F(MainFrameTest, PendingLettersResolveForTheToolsOrReportWhyNot) {
    type("2sin");
    EXPECT_TRUE(frame->resolvePendingInput());
    EXPECT_EQ(frame->view().curves().current().tokens.size(), 2u) << "2 and sin";
    type("+s");  // a name begun, no key yet
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(frame->resolvePendingInput());
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(MainFrameTest, EveryWindowOfTheMenusIsThereWhateverTheMenuStateSays) {
    frame->SetMenuState(15);
    EXPECT_TRUE(frame->menus().isEnabled(command::kCopyResult));
    frame->SetMenuState(7);
    using namespace command;
    for (int window : {kExport, kPrint, kCopyGraph, kDomainsRange, kCurveLook, kSetColors, kOpenProfile,
                       kDifferentiate, kIntegrate, kQuickEvaluate, kChiSquareDistribution, kFDistribution,
                       kNormalDistribution, kTDistribution, kMatrices, kVectors, kExponentialFit,
                       kPolynomialFit, kConversions, kCompoundInterest, kGraphText, kHelp, kAbout,
                       kAnalysis, kTableOfValues})
        EXPECT_TRUE(frame->menus().isEnabled(window)) << window;
    EXPECT_EQ(frame->menus().action(kSaveAs)->text(), "Save &As...\tCtrl+A");
}

}  // namespace
}  // namespace orrery::testing

namespace orrery::testing {
namespace {

TEST_F(MainFrameTest, AcceleratorsSendTheirCommandsUnlessTheItemIsGreyed) {
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    QTest::keyClick(frame.get(), Qt::Key_PageUp);  // Next Curve on an empty curve is refused
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "NOT SO FAST!");
    EXPECT_EQ(frame->view().curves().count(), 1);
    type("x");
    QTest::keyClick(frame.get(), Qt::Key_PageUp);
    EXPECT_EQ(frame->view().curves().count(), 2);
    EXPECT_EQ(frame->view().curves().currentIndex(), 1);
    QTest::keyClick(frame.get(), Qt::Key_PageDown);
    EXPECT_EQ(frame->view().curves().currentIndex(), 0);

    QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);  // Save is greyed
    EXPECT_TRUE(dialogs.requests.empty());
    QTest::keyClick(frame.get(), Qt::Key_A, Qt::ControlModifier);  // Save As is not, after Sketch
    EXPECT_TRUE(dialogs.requests.empty());
    type("\r");
    QTest::keyClick(frame.get(), Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].title, "Save As");
}

}  // namespace
}  // namespace orrery::testing
