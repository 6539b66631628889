// The Profiles page without its window: messages, list and working copy.

#include <gtest/gtest.h>

#include "persistence/memory_settings_store.h"
#include "persistence/profile_page.h"

namespace orrery {
namespace {

TEST(ProfilePage, EmptyNameMessages) {
    MemorySettingsStore store;
    GraphSettings working;
    ProfilePage page(store, working);
    EXPECT_EQ(page.save(), (UserMessage{"Nothing to Save!", "Please enter a profile name."}));
    EXPECT_EQ(page.load(), (UserMessage{"Nothing to Load!", "Please enter a profile name"}));
    EXPECT_EQ(page.remove(), (UserMessage{"Nothing to Delete!", "Please enter a profile name"}));

    page.setNameText("one");
    ASSERT_EQ(page.save(), std::nullopt);
    page.setNameText("");
    const std::string hint = "Please click on a profile name from the list on the left or enter it directly.";
    EXPECT_EQ(page.save(), (UserMessage{"Nothing to Save!", hint}));
    EXPECT_EQ(page.load(), (UserMessage{"Nothing to Load!", hint}));
    EXPECT_EQ(page.remove(), (UserMessage{"Nothing to Delete!", hint}));
}

TEST(ProfilePage, SaveLoadAndDeleteThroughTheList) {
    MemorySettingsStore store;
    GraphSettings working;
    ProfilePage page(store, working);
    working.axesType = 0;
    page.setNameText("Zeta");
    ASSERT_EQ(page.save(), std::nullopt);
    working.axesType = 2;
    page.setNameText("alpha");
    ASSERT_EQ(page.save(), std::nullopt);
    EXPECT_EQ(page.list(), (std::vector<std::string>{"alpha", "zeta"}));
    EXPECT_EQ(page.selectedRow(), 0);
    EXPECT_EQ(working.profileName, "alpha");

    page.setNameText("ZETA");
    ASSERT_EQ(page.load(), std::nullopt);
    EXPECT_EQ(working.axesType, 0);
    EXPECT_EQ(page.selectedRow(), 1);
    EXPECT_EQ(page.nameText(), "zeta");

    page.setNameText("Gamma");
    EXPECT_EQ(page.load(), (UserMessage{"INPUT ERROR", "Sorry, gamma was never saved so cannot be loaded."}));
    EXPECT_EQ(page.remove(), (UserMessage{"INPUT ERROR", "Sorry, Gamma was never saved so cannot be deleted."}));

    page.setNameText("Alpha");
    ASSERT_EQ(page.remove(), std::nullopt);
    EXPECT_EQ(page.list(), std::vector<std::string>{"zeta"});
    EXPECT_EQ(page.nameText(), "");
    EXPECT_EQ(page.selectedRow(), 0);
    EXPECT_FALSE(ProfileExists(store, "alpha"));
}

TEST(ProfilePage, OpensOnTheProfileLastPickedAndResets) {
    MemorySettingsStore store;
    GraphSettings working;
    for (const char* name : {"a", "b", "c"}) ASSERT_EQ(SaveProfile(store, name, working), std::nullopt);
    working.profileName = "b";
    ProfilePage page(store, working);
    EXPECT_EQ(page.selectedRow(), 1);
    EXPECT_EQ(page.nameText(), "b");

    working.profileName = "gone";
    ProfilePage other(store, working);
    EXPECT_EQ(other.selectedRow(), 0);
    EXPECT_EQ(other.nameText(), "");
    other.pick(2);
    EXPECT_EQ(other.nameText(), "c");
    EXPECT_EQ(working.profileName, "c");

    working.axesType = 0;
    working.toolTips = false;
    other.reset();
    EXPECT_TRUE(other.resetHappened());
    EXPECT_EQ(working.axesType, 1);
    EXPECT_TRUE(working.toolTips);
}

}  // namespace
}  // namespace orrery
