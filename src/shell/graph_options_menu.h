#pragma once

#include <vector>

#include "shell/menu_entry.h"

namespace orrery {

// What the "Graph Options" menu depends on when it opens.
struct GraphOptionsState {
    bool splitScreen = true;
    bool calculatorFillsWindow = false;  // split screen off and the calculator shown
    bool zoomHistoryEmpty = true;
};

// The graph's right-click menu: its items with the greying and the
// split-screen item's text for the current state (in split screen the
// back-to-the-calculator item is left out).
std::vector<MenuEntry> graphOptionsMenu(const GraphOptionsState& state);

}  // namespace orrery
