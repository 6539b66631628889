// The appearance windows reached from the main window: accelerators and menu
// items answer, and an applied sheet reaches the window's layout and menus.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QRadioButton>

#include "graphing/qt/appearance_dialogs.h"
#include "graphing/qt/appearance_sheet.h"
#include "main_frame_fixture.h"
#include "shell/qt/frame_menus.h"
#include "shell/command_ids.h"

namespace orrery::testing {
namespace {

AppearanceDialogs& appearance(MainFrame& frame) {
    return *dynamic_cast<AppearanceDialogs*>(frame.moduleFor(command::kCurveLook));
}

TEST_F(MainFrameTest, AppearanceCommandsAnswerFromMenusAndAccelerators) {
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    struct Case {
        Qt::Key key;
        int command;
        const char* title;
    };
    for (const Case c : {Case{Qt::Key_L, command::kCurveLook, "Curve Look"},
                         Case{Qt::Key_M, command::kDomainsRange, "Domains/Range"}}) {
        QTest::keyClick(frame.get(), c.key, Qt::ControlModifier);
        AppearanceSheet* sheet = appearance(*frame).openWindow(c.command);
        ASSERT_NE(sheet, nullptr) << c.title;
        EXPECT_EQ(sheet->windowTitle(), c.title);
        EXPECT_EQ(sheet->parentWidget(), frame.get());
        sheet->reject();
    }
}

TEST_F(MainFrameTest, AppliedWindowSizesReachTheLayoutAndTheMenus) {
    frame->HandleCommand(command::kOpenProfile);
    AppearanceSheet* sheet = appearance(*frame).openWindow(command::kOpenProfile);
    ASSERT_NE(sheet, nullptr);
    sheet->showPage(9);
    sheet->findChild<QRadioButton*>(QStringLiteral("tipsHide"))->click();
    sheet->findChild<QRadioButton*>(QStringLiteral("fullScreen"))->click();
    sheet->findChild<QAbstractButton*>(QStringLiteral("okButton"))->click();
    EXPECT_FALSE(frame->settings().toolTips);
    EXPECT_FALSE(frame->settings().splitScreen);
    EXPECT_TRUE(frame->settings().modified);
    EXPECT_EQ(frame->menus().action(command::kToolTips)->text(), "&Restore Tooltips");
    EXPECT_EQ(frame->graph().width(), frame->client().width()) << "the graph fills the window";
}

}  // namespace
}  // namespace orrery::testing
