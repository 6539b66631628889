// Undo and Redo in the main window: the Edit menu, their keys, and what each
// kind of change gives back.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QTemporaryDir>

#include "main_frame_fixture.h"
#include "shell/command_ids.h"
#include "shell/qt/calculator_face.h"
#include "shell/qt/frame_menus.h"
#include "shell/qt/symbol_display.h"

namespace orrery::testing {
namespace {

std::vector<int> keysOf(const Curve& curve) {
    std::vector<int> keys;
    for (const ExpressionToken& token : curve.tokens) keys.push_back(token.index);
    return keys;
}

TEST_F(MainFrameTest, UndoAndRedoAreEditItemsWithAltBackspaceKeys) {
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    FrameMenus& menus = frame->menus();
    EXPECT_EQ(menus.action(command::kUndo)->text().toStdString(), "&Undo\tAlt+Backspace");
    EXPECT_EQ(menus.action(command::kRedo)->text().toStdString(), "&Redo\tShift+Alt+Backspace");
    EXPECT_FALSE(menus.isEnabled(command::kUndo));
    EXPECT_FALSE(menus.isEnabled(command::kRedo));

    type("3sinx");  // the letters are one step with the x that resolves them
    EXPECT_TRUE(menus.isEnabled(command::kUndo));
    QTest::keyClick(frame.get(), Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(keysOf(frame->view().curves().current()), std::vector<int>{20});
    EXPECT_TRUE(menus.isEnabled(command::kRedo));
    QTest::keyClick(frame.get(), Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_TRUE(frame->view().curves().current().tokens.empty());
    EXPECT_FALSE(menus.isEnabled(command::kUndo));
    QTest::keyClick(frame.get(), Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier);
    QTest::keyClick(frame.get(), Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(keysOf(frame->view().curves().current()), (std::vector<int>{20, 17, 3}));
    EXPECT_FALSE(menus.isEnabled(command::kRedo));

    // Back is a step too; plain Backspace still deletes a key, as before.
    QTest::keyClick(frame.get(), Qt::Key_Backspace);
    EXPECT_EQ(keysOf(frame->view().curves().current()), (std::vector<int>{20, 17}));
    frame->HandleCommand(command::kUndo);
    EXPECT_EQ(keysOf(frame->view().curves().current()), (std::vector<int>{20, 17, 3}));
}

TEST_F(MainFrameTest, UndoOfResetBringsBackEveryCurveAndTheSameDrawing) {
    type("3sinx");
    frame->HandleCommand(command::kNextCurve);
    type("x^2\r");
    const QImage drawn = graphImage();
    const GraphDocument before = frame->view().document();
    EXPECT_EQ(frame->face().symbolDisplay()->toolTip().toStdString(), "Read as: x^2");

    frame->face().button(30)->click();  // Reset deletes every curve without a question
    EXPECT_EQ(frame->view().curves().count(), 1);
    EXPECT_TRUE(frame->face().symbolDisplay()->toolTip().isEmpty());

    frame->HandleCommand(command::kUndo);
    QApplication::processEvents();
    EXPECT_EQ(frame->view().document(), before);
    // Inside the window's outline, whose smooth corner shows what lies beneath.
    const QRect inside = drawn.rect().adjusted(2, 2, -2, -2);
    EXPECT_EQ(graphImage().copy(inside), drawn.copy(inside));
    frame->HandleCommand(command::kLastCurve);
    EXPECT_EQ(frame->face().symbolDisplay()->toolTip().toStdString(), "Read as: 3·sin(x)");
}

TEST_F(MainFrameTest, AppliedSettingsAndRestoreDefaultsAreStepsButTheWindowArrangementIsNot) {
    type("x\r");
    frame->settings().axesType = 2;  // as an appearance dialog's Apply leaves it
    frame->settings().setThickness(0, 5, false);
    frame->settingsChanged();
    frame->HandleCommand(command::kSplitScreen);  // no step: the layout is not the graph
    frame->HandleCommand(command::kRestoreDefaults);
    EXPECT_EQ(frame->settings().axesType, 1);
    EXPECT_TRUE(frame->settings().splitScreen);

    frame->HandleCommand(command::kUndo);
    EXPECT_EQ(frame->settings().axesType, 2);
    EXPECT_EQ(frame->settings().thickness(0), 5);
    EXPECT_TRUE(frame->settings().splitScreen);  // Restore Defaults' own change of it stays
    frame->HandleCommand(command::kUndo);
    EXPECT_EQ(frame->settings().axesType, 1);
    EXPECT_EQ(frame->settings().thickness(0), 1);
    EXPECT_EQ(keysOf(frame->view().curves().current()), std::vector<int>{3});
}

TEST_F(MainFrameTest, SavingAfterAnUndoWritesTheUndoneStateAndUndoIsAChangeToSave) {
    QTemporaryDir dir;
    const std::string path = (dir.path() + "/undone.qpl").toStdString();
    type("x^2\r+1\r");
    frame->HandleCommand(command::kUndo);  // each key is a step
    frame->HandleCommand(command::kUndo);
    dialogs.paths = {path};
    ASSERT_EQ(frame->HandleCommand(command::kSaveAs), 0);
    EXPECT_FALSE(frame->settings().modified);

    frame->HandleCommand(command::kRedo);  // the window now differs from the file
    messages.answers = {MessageAnswer::No};
    frame->HandleCommand(command::kNew);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Do you want to save the graph to work with later?");
    EXPECT_FALSE(frame->menus().isEnabled(command::kUndo));  // a new document starts afresh

    dialogs.paths = {path};
    frame->HandleCommand(command::kOpen);
    EXPECT_EQ(keysOf(frame->view().curves().current()), (std::vector<int>{3, 11, 19}));
}

}  // namespace
}  // namespace orrery::testing
