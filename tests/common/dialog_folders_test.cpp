// Where the file dialogs start, from the folders they last used.
#include "common/dialog_folders.h"

#include <gtest/gtest.h>

namespace orrery {
namespace {

TEST(DialogFolders, DialogsStartInTheFolderTheyLastUsed) {
    DialogFolders folders;
    folders.remember(FolderSlot::Save, "/home/ada/work/orbit.qpl");
    folders.remember(FolderSlot::Export, "/pic.png");
    folders.remember(FolderSlot::Open, "relative.qpl");  // no folder to keep
    folders.remember(FolderSlot::None, "/elsewhere/x.qpl");
    struct Case {
        FolderSlot slot;
        const char* initial;
        const char* start;
    };
    const Case cases[] = {
        {FolderSlot::Save, "", "/home/ada/work"},
        {FolderSlot::Save, "untitled.qpl", "/home/ada/work/untitled.qpl"},
        {FolderSlot::Save, "/tmp/doc.qpl", "/tmp/doc.qpl"},  // the document's own folder wins
        {FolderSlot::Export, "graph.png", "/graph.png"},
        {FolderSlot::Open, "", ""},
        {FolderSlot::None, "", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(folders.startPath(c.slot, c.initial), c.start) << c.initial;
    EXPECT_EQ(folders.folder(FolderSlot::None), "");
}

}  // namespace
}  // namespace orrery
