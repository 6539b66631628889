// The Profiles page without its window: messages, list and working copy.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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

namespace orrery {
namespace {

// WCAG contrast ratio of two colours, 1 to 21.
double contrast(ColorRef a, ColorRef b) {
    const auto luminance = [](ColorRef c) {
        const auto channel = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(redOf(c)) + 0.7152 * channel(greenOf(c)) + 0.0722 * channel(blueOf(c));
    };
    const double la = luminance(a) + 0.05;
    const double lb = luminance(b) + 0.05;
    return std::max(la, lb) / std::min(la, lb);
}

TEST(ProfilePage, DarkLookIsOfferedBesideTheStoredProfiles) {
    MemorySettingsStore store;
    GraphSettings working;
    working.pointCounts[0] = 77;
    working.curveColors.resize(12, makeRgb(1, 1, 1));
    ProfilePage page(store, working);
    EXPECT_TRUE(page.list().empty()) << "the stored list is the person's own";
    ASSERT_EQ(page.builtIns(), std::vector<std::string>{"Dark"});

    page.setNameText("DARK");
    ASSERT_EQ(page.load(), std::nullopt);
    EXPECT_EQ(page.selectedRow(), 0);
    EXPECT_EQ(working.profileName, "Dark");
    EXPECT_EQ(working.pointCounts[0], 77) << "only the colours change";
    EXPECT_FALSE(store.keyExists("Quorvane Users\\dark")) << "a built-in look is never written";
    // Dark behind, light in front: every curve, the axes and the labels read.
    EXPECT_LT(contrast(working.backgroundColor, 0), 1.6);
    for (ColorRef c : working.curveColors) EXPECT_GE(contrast(c, working.backgroundColor), 4.5) << std::hex << c;
    for (ColorRef c : {working.axesColor, working.labelColor, working.statsColor, working.originalPointColors[0]})
        EXPECT_GE(contrast(c, working.backgroundColor), 4.5) << std::hex << c;

    EXPECT_EQ(page.remove(), neverSavedMessage("Dark", ProfileAction::Delete)) << "nothing stored to delete";
    EXPECT_EQ(ProfilePage(store, working).selectedRow(), 0) << "opens on the look last picked";

    // Saved under the same name, the person's own profile takes its place.
    working.axesType = 2;
    page.setNameText("Dark");
    ASSERT_EQ(page.save(), std::nullopt);
    EXPECT_EQ(page.list(), std::vector<std::string>{"dark"});
    EXPECT_TRUE(page.builtIns().empty());
    GraphSettings other;
    ProfilePage again(store, other);
    again.setNameText("dark");
    ASSERT_EQ(again.load(), std::nullopt);
    EXPECT_EQ(other.axesType, 2);
}

}  // namespace
}  // namespace orrery
