#include "shell/graph_options_menu.h"

#include "shell/command_ids.h"

namespace orrery {

std::vector<MenuEntry> graphOptionsMenu(const GraphOptionsState& state) {
    using namespace command;
    std::vector<MenuEntry> items{
        {kBackToCalculator, "&Back to the Calculator\tCtrl+K", true},
        {kDomainsRange, "Curve Domains/Range\tCtrl+M", true},
        {kCurveLook, "Curve Look\tCtrl+L", true},
        {kGraphText, "Graph Text\tCtrl+G", true},
        {kQuickEvaluate, "&Quick Evaluate\tCtrl+Y", true},
        {kRestoreDefaults, "&Restore Defaults\tCtrl+R", true},
        {kReverseZoom, "Reverse &last zoom\tCtrl+U", true},
        {kSetColors, "Set Colors", true},
        {kSplitScreen, "&Split-screen", true},
        {kZoomIn, "Zoom In(Drag Mouse)\tCtrl+Z", true},
        {kZoomOut, "Zoom Out(Dbl-click to center graph)\tCtrl+B", true},
        {kAnalysis, "A&nalysis...\tCtrl+Shift+A", true},
        {kTableOfValues, "&Table of Values...\tCtrl+Shift+T", true},
    };
    if (state.calculatorFillsWindow && !state.splitScreen) {
        items[9].enabled = false;
        items[6].enabled = false;
        items[0].enabled = false;
    }
    if (state.zoomHistoryEmpty) items[6].enabled = false;
    items[8].text = state.splitScreen ? "Restore &Full Screen" : "&Split Screen";
    if (state.splitScreen) items.erase(items.begin());
    return items;
}

}  // namespace orrery
