#include <gtest/gtest.h>

#include "shell/file_names.h"
#include "shell/recent_files.h"

namespace orrery {
namespace {

std::string messageText(const std::variant<std::string, UserMessage>& result) {
    return std::get<UserMessage>(result).text;
}

TEST(FileNames, CheckFileNameGivesTheMessagesOfBadNames) {
    EXPECT_EQ(CheckFileName("").error, "Please enter a file name");
    EXPECT_EQ(CheckFileName("graph").error, "Your file graph has no extension.");
    EXPECT_EQ(CheckFileName("graph.").error, "Your file graph. has no extension.");
    EXPECT_EQ(CheckFileName(".qpl").error, "Improper file name");
    EXPECT_EQ(CheckFileName("/home/ann/.qpl").error, "Improper file name");
    const FileNameCheck twoDots = CheckFileName("my.graph.qpl");
    EXPECT_EQ(twoDots.error, " The filename cannot include two dots. ");
    EXPECT_EQ(twoDots.extension, "qpl");
}

TEST(FileNames, OnlyTheFileNameCountsAndCaseIsKept) {
    const FileNameCheck check = CheckFileName("/home/ann/.local/Graphs/Sine.QPL");
    EXPECT_EQ(check.error, "");
    EXPECT_EQ(check.extension, "QPL");
    EXPECT_EQ(CheckFileName("/home/ann/v1.2/graph").error,
              "Your file /home/ann/v1.2/graph has no extension.");
    EXPECT_EQ(CheckExtension("/tmp/Sine.QPL", documentExtensions(), FileCheckMode::Save), "");
    EXPECT_EQ(std::get<std::string>(ForceExtension("/home/ann/.local/Sine.PNG", "qpl")),
              "/home/ann/.local/Sine.qpl");
}

TEST(FileNames, CheckExtensionSpeaksOfTheCommand) {
    EXPECT_EQ(CheckExtension("a.png", documentExtensions(), FileCheckMode::Save),
              "Only file with extension \"qpl\" can be saved. Please use File -> Export to export "
              "graphs to the following formats: \"bmp\", \"gif\", \"jpeg\", \"png\", \"svg\" and \"pdf\"");
    EXPECT_EQ(CheckExtension("a.png", documentExtensions(), FileCheckMode::Open),
              "Only files with extension \"qpl\" can be opened.  Please use a Graphics program or "
              "a browser to open the file.");
    EXPECT_EQ(CheckExtension("a.txt", documentExtensions(), FileCheckMode::Open),
              "Only files with extension \"qpl\" can be opened. ");
    EXPECT_EQ(CheckExtension("a.qpl", exportExtensions(), FileCheckMode::Export),
              "Please use File -> Save for \"qpl\" files.");
    EXPECT_EQ(CheckExtension("a.jpg", exportExtensions(), FileCheckMode::Export),
              "Only files with extensions \"bmp\", \"gif\", \"jpeg\", \"png\", \"svg\", \"pdf\" can be "
              "exported by Orrery.");
    EXPECT_EQ(CheckExtension("a.JPEG", exportExtensions(), FileCheckMode::Export), "");
}

TEST(FileNames, ForceExtensionRefusesBadNamesWithItsCaption) {
    const auto refused = ForceExtension("graph", "qpl");
    EXPECT_EQ(std::get<UserMessage>(refused).caption, "Improper File Extension");
    EXPECT_EQ(messageText(refused), "Your file graph has no extension.");
}

TEST(FileNames, OpeningTellsDocumentsFromPictures) {
    EXPECT_EQ(std::get<OpenKind>(classifyOpenPath("/t/a.QPL")), OpenKind::Document);
    EXPECT_EQ(std::get<OpenKind>(classifyOpenPath("/t/photo.jpg")), OpenKind::Picture);
    const UserMessage png = std::get<UserMessage>(classifyOpenPath("/t/photo.png"));
    EXPECT_EQ(png.caption, "File Type Error");
    EXPECT_EQ(png.text, "This program does not open files with extension: png");
    EXPECT_EQ(std::get<UserMessage>(classifyOpenPath("/t/photo")).text,
              "Your file /t/photo has no extension.");
    EXPECT_EQ(std::get<UserMessage>(classifyOpenPath("/t/.qpl")).text, "Improper file name");
}

TEST(RecentFiles, AddMovesAPathFirstAndKeepsNine) {
    RecentFiles recent;
    for (int i = 0; i < 11; ++i) recent.add("/d/g" + std::to_string(i) + ".qpl", true);
    ASSERT_EQ(recent.entries().size(), 9u);
    EXPECT_EQ(recent.entries().front().path, "/d/g10.qpl");
    EXPECT_EQ(recent.entries().back().path, "/d/g2.qpl");
    recent.add("/d/g5.qpl", true);
    EXPECT_EQ(recent.entries().front().path, "/d/g5.qpl");
    EXPECT_EQ(recent.entries().size(), 9u);
}

TEST(RecentFiles, MenuItemsMarkTheOpenFileAndExports) {
    RecentFiles recent;
    recent.load({"/d/a.qpl", "/d/b.png"});
    EXPECT_EQ(recent.menuItems(), (std::vector<MenuEntry>{
                                      {2081, "1.  /d/a.qpl\tCtrl+1", true},
                                      {2082, "2.  /d/b.png\t(Exported)", false}}));
    recent.add("/d/c.qpl", true);
    EXPECT_EQ(recent.menuItems().front(), (MenuEntry{2080, "1.  /d/c.qpl\tNow Open", false}));
    EXPECT_EQ(recent.menuItems()[1], (MenuEntry{2082, "2.  /d/a.qpl\tCtrl+2", true}));
    recent.add("/d/p.gif", false);
    EXPECT_EQ(recent.menuItems().front().text, "1.  /d/p.gif\t(Exported)");
}

TEST(RecentFiles, RecentPathBeyondTheListExplainsHowManyExist) {
    RecentFiles recent;
    EXPECT_EQ(messageText(recent.RecentPath(2082)),
              "You attempted to open \"File #2\" No files have been saved yet.");
    recent.load({"/d/a.qpl"});
    EXPECT_EQ(messageText(recent.RecentPath(2083)),
              "You attempted to open \"File #3\" Only one file has been saved so far.");
    recent.load({"/d/a.qpl", "/d/b.qpl", "/d/c.qpl"});
    const auto beyond = recent.RecentPath(2085);
    EXPECT_EQ(std::get<UserMessage>(beyond).caption, "INPUT ERROR");
    EXPECT_EQ(messageText(beyond), "You attempted to open \"File #5\" Only 3 have as yet been saved.");
    EXPECT_EQ(std::get<std::string>(recent.RecentPath(2082)), "/d/b.qpl");
}

}  // namespace
}  // namespace orrery
