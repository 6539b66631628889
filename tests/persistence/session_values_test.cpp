// The window and the dialogs' folders kept from one run to the next.

#include <gtest/gtest.h>

#include "persistence/memory_settings_store.h"
#include "persistence/session_values.h"

namespace orrery {
namespace {

SessionState fullSession() {
    SessionState state;
    state.placement = WindowPlacement{{-30, 40, 900, 650}, true, false};
    state.splitScreen = false;
    state.calculatorProportion = 0.35;
    state.openFolder = "/home/ada/Documents";
    state.saveFolder = "/home/ada/Work files";
    state.exportFolder = "/tmp/pictures ü";
    return state;
}

TEST(SessionValues, RoundTripInAKeyOfItsOwnBesideTheOldValues) {
    MemorySettingsStore store;
    store.write("097", "dX", "0.500000");
    SaveSession(store, fullSession());
    EXPECT_EQ(LoadSession(store), fullSession());
    EXPECT_EQ(store.read("Session", "iLeft"), "-30");
    EXPECT_EQ(store.read("Session", "dCalculatorProportion"), "0.350000");
    EXPECT_EQ(store.read("097", "dX"), "0.500000") << "the older values stay as they were";

    EXPECT_EQ(LoadSession(MemorySettingsStore{}), SessionState{}) << "a first run restores nothing";
}

TEST(SessionValues, DamagedValuesAreLeftOut) {
    struct Case {
        const char* name;
        const char* text;
        bool placementKept;
        bool proportionKept;
    };
    const Case cases[] = {
        {"iWidth", "0", false, true},
        {"iHeight", "-5", false, true},
        {"iLeft", "999999", false, true},
        {"iTop", "top", false, true},
        {"bMaximized", "x", true, true},  // the geometry stands without the state
        {"dCalculatorProportion", "1.5", true, false},
        {"dCalculatorProportion", "nan", true, false},
        {"dCalculatorProportion", "-0.1", true, false},
        {"dCalculatorProportion", "0.05", true, true},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        SaveSession(store, fullSession());
        store.write("Session", c.name, c.text);
        const SessionState loaded = LoadSession(store);
        EXPECT_EQ(loaded.placement.has_value(), c.placementKept) << c.name << "=" << c.text;
        EXPECT_EQ(loaded.calculatorProportion.has_value(), c.proportionKept) << c.name << "=" << c.text;
        EXPECT_EQ(loaded.openFolder, "/home/ada/Documents");
    }
    MemorySettingsStore store;
    store.write("Session", "SaveFolder", "/a\nb");
    EXPECT_EQ(LoadSession(store).saveFolder, "") << "a control character is no folder";
}

TEST(SessionValues, WindowOffEveryScreenMovesOntoThePrimary) {
    const ScreenRect primary{0, 0, 1920, 1080};
    const ScreenRect left{-1280, 56, 1280, 1024};
    struct Case {
        ScreenRect saved;
        ScreenRect expected;
    };
    const Case cases[] = {
        {{100, 100, 1100, 720}, {100, 100, 1100, 720}},        // on the primary: stays
        {{-1000, 300, 800, 600}, {-1000, 300, 800, 600}},      // on the second screen: stays
        {{3000, 200, 1100, 720}, {410, 180, 1100, 720}},       // a screen that is gone: centred
        {{500, -700, 1100, 720}, {410, 180, 1100, 720}},       // title bar above every screen
        {{1850, 500, 1100, 720}, {410, 180, 1100, 720}},       // only 70 pixels show
        {{1800, 500, 1100, 720}, {1800, 500, 1100, 720}},      // 120 pixels: it can be grabbed
        {{-1280, 0, 1000, 500}, {460, 290, 1000, 500}},        // above the second screen's top
        {{40, 30, 4000, 3000}, {40, 30, 1920, 1080}},          // larger than the screen: bounded
    };
    for (const Case& c : cases) {
        const WindowPlacement placed = placeOnScreens({c.saved, true, false}, {primary, left}, primary);
        EXPECT_EQ(placed.geometry, c.expected) << c.saved.x << "," << c.saved.y;
        EXPECT_TRUE(placed.maximized);
    }
}

}  // namespace
}  // namespace orrery
