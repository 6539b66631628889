#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "main_frame_fixture.h"
#include "persistence/recent_file_values.h"
#include "shell/command_ids.h"
#include "shell/qt/frame_menus.h"

namespace orrery::testing {
namespace {

class DocumentsTest : public MainFrameTest {
protected:
    QTemporaryDir dir;
    std::string path(const char* name) { return (dir.path() + "/" + name).toStdString(); }
    static std::vector<std::string> texts(const std::vector<UserMessage>& shown) {
        std::vector<std::string> out;
        for (const UserMessage& m : shown) out.push_back(m.text);
        return out;
    }
};

TEST_F(DocumentsTest, ClosingUntouchedAsksNothingAndChangedWorkAsks) {
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(messages.shown.empty());

    frame = makeFrame();
    type("3sinx\r");
    messages.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(frame->close());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Do you want to save the graph in .qpl format to work with later?");
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNoCancel);

    messages.answers = {MessageAnswer::Yes};  // and then cancel the save dialog
    EXPECT_FALSE(frame->close());
    messages.answers = {MessageAnswer::No};
    EXPECT_TRUE(frame->close());
}

TEST_F(DocumentsTest, YesAtCloseSavesAndTheRecentListIsKept) {
    type("x^2\r");
    messages.answers = {MessageAnswer::Yes};
    dialogs.paths = {path("Parabola")};  // no extension typed: the document's is added
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(std::filesystem::exists(path("Parabola.qpl")));
    EXPECT_EQ(LoadRecentFiles(store), std::vector<std::string>{path("Parabola.qpl")});
    EXPECT_EQ(store.read("097", "dX"), "0.750000");  // the graph text's place is kept too
}

TEST_F(DocumentsTest, SaveNewAndOpenKeepEveryCurveAndSetting) {
    type("3sinx");
    frame->HandleCommand(command::kNextCurve);
    type("x^2-1\r");
    // Every setting's way through the file is the document tests'; here, that
    // opening hands the file's settings to the window.
    frame->settings().setColor(ColorKind::Background, 0, makeRgb(250, 250, 200));
    frame->view().text().text = "Two curves";
    frame->view().text().shown = true;
    const GraphDocument before = frame->view().document();

    dialogs.paths = {path("Mixed Case.QPL")};
    ASSERT_EQ(frame->HandleCommand(command::kSaveAs), 0);
    EXPECT_EQ(frame->windowTitle().toStdString(), "Orrery_742 - Mixed Case.QPL");
    EXPECT_FALSE(frame->settings().modified);
    EXPECT_FALSE(frame->menus().isEnabled(command::kSave));

    frame->HandleCommand(command::kNew);  // saved: no question
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(frame->view().curves().count(), 1);
    EXPECT_EQ(frame->windowTitle().toStdString(), "Orrery_742 - (untitled)");
    frame->settings().restoreDefaults();

    dialogs.paths = {path("Mixed Case.QPL")};
    frame->HandleCommand(command::kOpen);
    EXPECT_TRUE(messages.shown.empty()) << texts(messages.shown).front();
    EXPECT_EQ(frame->view().document(), before);
    EXPECT_EQ(frame->settings().backgroundColor, makeRgb(250, 250, 200));
    EXPECT_FALSE(frame->settings().modified);
    EXPECT_EQ(frame->menus().recentItems().front().text, "1.  " + path("Mixed Case.QPL") + "\tNow Open");
}

TEST_F(DocumentsTest, NewAndOpenAskBeforeUnsavedWorkIsReplaced) {
    type("x");
    messages.answers = {MessageAnswer::Cancel};
    frame->HandleCommand(command::kNew);
    EXPECT_EQ(messages.shown.back().text, "Do you want to save the graph to work with later?");
    EXPECT_EQ(frame->view().curves().current().tokens.size(), 1u);

    messages.answers = {MessageAnswer::Cancel};
    frame->HandleCommand(command::kOpen);
    EXPECT_EQ(messages.shown.back().text, "Save current changes in (untitled)?");
    EXPECT_TRUE(dialogs.requests.empty());

    messages.answers = {MessageAnswer::No};
    frame->HandleCommand(command::kNew);
    EXPECT_TRUE(frame->view().curves().current().tokens.empty());
}

TEST_F(DocumentsTest, BadNamesAndFilesGetTheirMessages) {
    type("x\r");
    dialogs.paths = {path("graph.png")};
    frame->HandleCommand(command::kSaveAs);
    EXPECT_EQ(messages.shown.back().caption, "File Type Error");
    EXPECT_FALSE(std::filesystem::exists(path("graph.png")));

    messages.answers = {MessageAnswer::No};
    dialogs.paths = {path("photo.png")};
    frame->HandleCommand(command::kOpen);
    EXPECT_EQ(messages.shown.back().caption, "Cannot open file");

    std::ofstream(path("old.qpl"), std::ios::binary) << "QPL0 not ours";
    frame->openFromCommandLine(path("old.qpl"));
    EXPECT_EQ(messages.shown.back().text, "Your file is incompatible with this version of the program");
    EXPECT_EQ(frame->view().curves().current().tokens.size(), 1u);  // the graph is kept

    frame->openFromCommandLine(path("missing.qpl"));
    EXPECT_EQ(messages.shown.back().text, "Cannot draw the graph from the file " + path("missing.qpl"));
    EXPECT_EQ(messages.shown.back().caption, "FILE ERROR");
}

TEST_F(DocumentsTest, RecentFilesBeyondTheListAndDroppedFiles) {
    store.write("QRV_097_QPL", "NumFiles", "3");
    for (int i = 0; i < 3; ++i)
        store.write("QRV_097_QPL", "File" + std::to_string(i), path("g.qpl"));
    frame = makeFrame();
    frame->HandleCommand(command::kRecentFirst + 5);
    EXPECT_EQ(messages.shown.back().caption, "INPUT ERROR");

    frame->openDroppedFiles({path("photo.png"), path("other.qpl")});
    EXPECT_EQ(messages.shown.back().text, "This program does not open files with extension: png");
    frame->openDroppedFiles({path("photo.jpg")});
    EXPECT_EQ(dialogs.openedWithDesktop, std::vector<std::string>{path("photo.jpg")});
    EXPECT_EQ(frame->menus().recentItems().front().text, "1.  " + path("photo.jpg") + "\t(Exported)");
}

}  // namespace
}  // namespace orrery::testing

#include "graphing/qt/graph_text_dialog.h"

namespace orrery::testing {
namespace {

TEST_F(DocumentsTest, NewClosesTheGraphTextDialogSoItsCancelCannotBringOldTextBack) {
    frame->HandleCommand(command::kGraphText);
    ASSERT_NE(frame->graph().textDialog(), nullptr);
    frame->view().text().text = "old words";
    messages.answers = {MessageAnswer::No};
    frame->HandleCommand(command::kNew);
    QApplication::processEvents();
    EXPECT_TRUE(frame->graph().textDialog() == nullptr || !frame->graph().textDialog()->isVisible());
    EXPECT_EQ(frame->view().text().text, "");
}

}  // namespace
}  // namespace orrery::testing
