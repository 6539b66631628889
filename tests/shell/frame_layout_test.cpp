#include <gtest/gtest.h>

#include "shell/command_ids.h"
#include "shell/frame_layout.h"
#include "shell/menu_state.h"
#include "shell/window_title.h"

namespace orrery {
namespace {

TEST(FrameLayout, SplitScreenSharesTheWidth) {
    const FrameLayout l = computeFrameLayout(1000, 700, 20, true, false, 0.495);
    EXPECT_EQ(l.calculator, (FrameRect{0, 0, 495, 675}));
    EXPECT_EQ(l.divider, (FrameRect{495, 0, 10, 675}));
    EXPECT_EQ(l.graph, (FrameRect{505, 0, 495, 675}));
    EXPECT_EQ(l.statusBar, (FrameRect{0, 680, 1000, 20}));
    EXPECT_TRUE(l.dividerShown && l.statusBarShown && l.graphShown);
    EXPECT_FALSE(l.backButtonShown);
}

TEST(FrameLayout, FullScreenGraphAndFullScreenCalculator) {
    const FrameLayout graph = computeFrameLayout(1000, 700, 20, false, false, 0.495);
    EXPECT_EQ(graph.graph, (FrameRect{0, 0, 1000, 675}));
    EXPECT_TRUE(graph.graphOnTop && graph.backButtonShown && graph.statusBarShown);
    EXPECT_FALSE(graph.dividerShown);
    const FrameLayout calc = computeFrameLayout(1000, 700, 20, false, true, 0.495);
    EXPECT_EQ(calc.calculator, (FrameRect{0, 0, 1000, 700}));
    EXPECT_FALSE(calc.graphShown || calc.statusBarShown || calc.backButtonShown || calc.dividerShown);
}

TEST(FrameLayout, DividerDropsAtTheEdgesWithoutNegativeSizes) {
    const DividerDrop moved = dropDivider(495, 105, 1000, 700, 20);
    EXPECT_DOUBLE_EQ(moved.proportion, 0.6);
    EXPECT_EQ(moved.calculator, (FrameRect{0, 0, 600, 677}));
    EXPECT_EQ(moved.graph, (FrameRect{610, 0, 390, 677}));
    EXPECT_EQ(moved.divider, (FrameRect{600, 0, 10, 675}));
    const DividerDrop left = dropDivider(495, -800, 1000, 700, 20);
    EXPECT_EQ(left.proportion, 0.0);
    EXPECT_EQ(left.calculator.width, 0);
    const DividerDrop right = dropDivider(495, 900, 1000, 700, 20);
    EXPECT_GE(right.graph.width, 0);
}

TEST(MenuState, CodesSwitchTheirGroups) {
    using namespace command;
    EXPECT_EQ(menuStateChanges(4), (std::vector<MenuItemState>{{kSave, false}, {kSaveAs, true}}));
    EXPECT_EQ(menuStateChanges(9), (std::vector<MenuItemState>{{kReverseZoom, true}}));
    EXPECT_EQ(menuStateChanges(15),
              (std::vector<MenuItemState>{{kCopyResult, true}, {kPasteResult, true}}));
    EXPECT_EQ(menuStateChanges(7).size(), 5u);
    EXPECT_TRUE(menuStateChanges(2).empty());
    EXPECT_TRUE(menuStateChanges(99).empty());
}

TEST(WindowTitle, NamesTheFileOrUntitled) {
    EXPECT_EQ(windowTitle(""), "Orrery_742 - (untitled)");
    EXPECT_EQ(windowTitle("/home/ann/Graphs/Sine.qpl"), "Orrery_742 - Sine.qpl");
}

}  // namespace
}  // namespace orrery

#include "shell/graph_options_menu.h"

namespace orrery {
namespace {

TEST(GraphOptionsMenu, GreysAndRenamesByTheFrameState) {
    const auto split = graphOptionsMenu({true, false, true});
    ASSERT_EQ(split.size(), 12u);  // ten, then Analysis and Table of Values at the end
    EXPECT_EQ(split.front().command, command::kDomainsRange);
    EXPECT_EQ(split[7], (MenuEntry{command::kSplitScreen, "Restore &Full Screen", true}));
    EXPECT_FALSE(split[5].enabled);  // nothing to reverse

    const auto calculator = graphOptionsMenu({false, true, false});
    ASSERT_EQ(calculator.size(), 13u);
    EXPECT_EQ(calculator[11], (MenuEntry{command::kAnalysis, "A&nalysis...\tCtrl+Shift+A", true}));
    EXPECT_EQ(calculator[12], (MenuEntry{command::kTableOfValues, "&Table of Values...\tCtrl+Shift+T", true}));
    EXPECT_EQ(calculator[8].text, "&Split Screen");
    EXPECT_FALSE(calculator[0].enabled || calculator[6].enabled || calculator[9].enabled);
    EXPECT_TRUE(calculator[10].enabled);

    const auto graph = graphOptionsMenu({false, false, false});
    EXPECT_TRUE(graph[0].enabled && graph[6].enabled && graph[9].enabled);
}

}  // namespace
}  // namespace orrery
