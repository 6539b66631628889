#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/dialog_folders.h"
#include "persistence/settings_store.h"

namespace orrery {

// A rectangle on the desktop in logical pixels.
struct ScreenRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// Where the main window was: its ordinary (not maximised) geometry and the
// states laid over it.
struct WindowPlacement {
    ScreenRect geometry;
    bool maximized = false;
    bool fullScreen = false;

    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// What one run leaves for the next: the window, the layout of calculator and
// graph, and the folders last used in the open, save and export dialogs.
// Each part is absent when the store has nothing usable for it.
struct SessionState {
    std::optional<WindowPlacement> placement;
    std::optional<bool> splitScreen;
    std::optional<double> calculatorProportion;
    std::string openFolder;
    std::string saveFolder;
    std::string exportFolder;

    std::string& folder(FolderSlot slot);
    const std::string& folder(FolderSlot slot) const;

    friend bool operator==(const SessionState&, const SessionState&) = default;
};

// Values that are missing, out of range or damaged are left absent (or
// empty): the program then starts as it always has.
SessionState LoadSession(const SettingsStore& store);
void SaveSession(SettingsStore& store, const SessionState& state);

// The placement moved onto the primary screen when too little of it lies on
// any of the screens to be grabbed (a monitor was unplugged, say), and no
// larger than the primary screen. Screens are their available areas.
WindowPlacement placeOnScreens(WindowPlacement placement, const std::vector<ScreenRect>& screens,
                               const ScreenRect& primary);

}  // namespace orrery
