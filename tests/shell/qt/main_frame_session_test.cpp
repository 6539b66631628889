// The main window comes back as the last run left it.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "main_frame_fixture.h"
#include "persistence/session_values.h"
#include "shell/command_ids.h"
#include "shell/qt/frame_menus.h"

namespace orrery::testing {
namespace {

class FrameSession : public MainFrameTest {
protected:
    // A new run on the same store: a window made as the program makes it.
    std::unique_ptr<MainFrame> restart() {
        if (frame) {
            EXPECT_TRUE(frame->close());
        }
        frame.reset();
        dialogs.folders() = DialogFolders{};  // a new process knows no folder
        auto made = std::make_unique<MainFrame>(store, messages, dialogs);
        made->show();
        QApplication::processEvents();
        return made;
    }
};

TEST_F(FrameSession, GeometryLayoutAndFoldersComeBackAtTheNextStart) {
    frame->setGeometry(30, 40, 790, 560);
    frame->HandleCommand(command::kSplitScreen);  // to the graph alone
    frame->settings().calculatorProportion = 0.3;
    const QRect geometry = frame->geometry();  // as far as the window's minimum allows
    const QString splitItem = frame->menus().action(command::kSplitScreen)->text();
    dialogs.folders().remember(FolderSlot::Save, "/home/ada/work/a.qpl");
    dialogs.folders().remember(FolderSlot::Export, "/srv/pictures/graph.png");
    const bool splitBefore = frame->settings().splitScreen;

    frame = restart();
    EXPECT_EQ(frame->geometry(), geometry);
    EXPECT_FALSE(frame->isMaximized());
    EXPECT_EQ(frame->settings().splitScreen, splitBefore);
    EXPECT_EQ(frame->menus().action(command::kSplitScreen)->text(), splitItem);
    EXPECT_DOUBLE_EQ(frame->settings().calculatorProportion, 0.3);
    EXPECT_FALSE(frame->settings().modified) << "the restored layout is no change to save";
    EXPECT_EQ(dialogs.folders().folder(FolderSlot::Save), "/home/ada/work");
    EXPECT_EQ(dialogs.folders().folder(FolderSlot::Export), "/srv/pictures");
    EXPECT_EQ(dialogs.folders().folder(FolderSlot::Open), "");

    frame->showMaximized();
    QApplication::processEvents();
    frame = restart();
    EXPECT_TRUE(frame->isMaximized());
    EXPECT_EQ(store.read("Session", "iWidth"), std::to_string(geometry.width()))
        << "the ordinary size is kept under the maximised one";

    // A screen that is gone: the window comes onto the primary one.
    ASSERT_TRUE(frame->close());
    store.write("Session", "iLeft", "20000");
    store.write("Session", "iTop", "-9000");
    frame.reset();
    frame = restart();
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().intersects(frame->normalGeometry()));
}

}  // namespace
}  // namespace orrery::testing
