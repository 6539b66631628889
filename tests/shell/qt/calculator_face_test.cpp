#include "shell/qt/calculator_face.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "calculator_face_fixture.h"
#include "shell/command_ids.h"
#include "shell/qt/symbol_display.h"
#include "shell/qt/value_display.h"

namespace orrery {
namespace {

using testing::FaceFixture;

// The layout's numbers are checked on their own; here, that a resize applies them.
TEST(CalculatorFaceTest, KeysAndDisplaysFollowTheWindowSize) {
    FaceFixture f(520, 640);
    EXPECT_EQ(f.face.button(35), nullptr);
    EXPECT_EQ(f.face.valueDisplay()->geometry(), QRect(26, 117, 220, 35));
    // Wider than its usual shape (544 x 640), that face sits in the middle.
    f.face.resize(1120, 640);
    EXPECT_EQ(f.face.button(34)->geometry(), QRect(288 + 439, 560, 76, 46));
}

TEST(CalculatorFaceTest, ClickingKeysInsertsThemAndRepaintsTheDisplay) {
    FaceFixture f;
    QSignalSpy focus(&f.face, &CalculatorFace::focusReturned);
    const QImage before = f.face.symbolDisplay()->grab().toImage();
    f.click(6);   // 7
    f.click(27);  // +
    f.click(17);  // sin
    f.click(3);   // x
    EXPECT_EQ(f.keys(), (std::vector<int>{6, 27, 17, 3}));
    EXPECT_EQ(focus.count(), 4);
    EXPECT_TRUE(f.settings.modified);
    EXPECT_NE(f.face.symbolDisplay()->grab().toImage(), before);
}

TEST(CalculatorFaceTest, SecondFunctionKeyChangesKeysCaptionsAndTooltips) {
    FaceFixture f;
    f.face.setToolTipsOn(true);
    QAbstractButton* x = f.face.button(3);
    EXPECT_EQ(x->toolTip().toStdString(), keyAt(3).tooltip);
    const FaceRect band = *f.face.faceLayout().visibleCaptionOf(3);
    const QRect captionArea(x->x(), band.y, x->width(), band.height);
    const QImage captionBefore = f.face.grab(captionArea).toImage();
    const QImage keyBefore = x->grab().toImage();
    const QImage secondKeyBefore = f.face.button(0)->grab().toImage();

    f.click(0);
    EXPECT_TRUE(f.input.secondMode());
    EXPECT_EQ(x->toolTip().toStdString(), keyAt(key::kPi).tooltip);
    EXPECT_NE(f.face.grab(captionArea).toImage(), captionBefore);
    EXPECT_NE(x->grab().toImage(), keyBefore);
    // The 2nd key stays down while the mode is on.
    EXPECT_NE(f.face.button(0)->grab().toImage(), secondKeyBefore);

    f.click(3);
    f.click(3);
    EXPECT_EQ(f.keys(), (std::vector<int>{key::kPi, key::kPi}));

    f.click(0);
    EXPECT_EQ(f.face.grab(captionArea).toImage(), captionBefore);
    EXPECT_EQ(f.face.button(0)->grab().toImage(), secondKeyBefore);
    f.face.setToolTipsOn(false);
    EXPECT_TRUE(x->toolTip().isEmpty());
}

TEST(CalculatorFaceTest, ControlKeysGoToTheFrameAsCommands) {
    FaceFixture f;
    QSignalSpy commands(&f.face, &CalculatorFace::commandRequested);
    QSignalSpy focus(&f.face, &CalculatorFace::focusReturned);
    for (int id = 30; id < 35; ++id) f.click(id);
    ASSERT_EQ(commands.count(), 5);
    std::vector<int> ids;
    for (const QList<QVariant>& args : commands) ids.push_back(args.at(0).toInt());
    EXPECT_EQ(ids, (std::vector<int>{command::kReset, command::kLastCurve, command::kNextCurve,
                                     command::kBack, command::kSketch}));
    EXPECT_EQ(focus.count(), 5);
    EXPECT_TRUE(f.keys().empty());
}

TEST(CalculatorFaceTest, TypingShowsEachMessageOnceAndReturnsIt) {
    FaceFixture f;
    f.type("3");
    const TypedOutcome typo = f.face.typeCharacter(U'q', false);
    ASSERT_TRUE(typo.message.has_value());
    EXPECT_EQ(typo.message->caption, "ERROR: TYPO");
    EXPECT_EQ(f.messages.captions(), (std::vector<std::string>{"ERROR: TYPO"}));

    // A key click with letters that name nothing reports them and inserts nothing.
    f.type("co");
    f.click(6);
    EXPECT_EQ(f.messages.captions(), (std::vector<std::string>{"ERROR: TYPO", "INPUT ERROR"}));
    EXPECT_EQ(f.keys().size(), 1u);
}

}  // namespace
}  // namespace orrery
