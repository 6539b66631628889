#include "persistence/session_values.h"

#include <algorithm>

#include "persistence/settings_keys.h"
#include "persistence/store_values.h"

namespace orrery {

namespace {

// Larger than any desktop, small enough that sums of them cannot overflow.
constexpr int kMaxCoordinate = 100000;
// How much of a window must show on some screen for the person to reach it:
// about the width of a title and the height of a title bar.
constexpr std::int32_t kReachableWidth = 100;
constexpr std::int32_t kReachableHeight = 30;

struct FolderName {
    FolderSlot slot;
    const char* name;
};
constexpr FolderName kFolders[] = {
    {FolderSlot::Open, "OpenFolder"}, {FolderSlot::Save, "SaveFolder"}, {FolderSlot::Export, "ExportFolder"}};

std::int32_t overlap(std::int32_t a, std::int32_t aLength, std::int32_t b, std::int32_t bLength) {
    return std::max(0, std::min(a + aLength, b + bLength) - std::max(a, b));
}

}  // namespace

std::string& SessionState::folder(FolderSlot slot) {
    switch (slot) {
        case FolderSlot::Save: return saveFolder;
        case FolderSlot::Export: return exportFolder;
        default: return openFolder;
    }
}

const std::string& SessionState::folder(FolderSlot slot) const { return const_cast<SessionState*>(this)->folder(slot); }

SessionState LoadSession(const SettingsStore& store) {
    SessionState state;
    const auto x = readIntIn(store, kSessionKey, "iLeft", -kMaxCoordinate, kMaxCoordinate);
    const auto y = readIntIn(store, kSessionKey, "iTop", -kMaxCoordinate, kMaxCoordinate);
    const auto w = readIntIn(store, kSessionKey, "iWidth", 1, kMaxCoordinate);
    const auto h = readIntIn(store, kSessionKey, "iHeight", 1, kMaxCoordinate);
    if (x && y && w && h) {
        WindowPlacement placement{{*x, *y, *w, *h}};
        placement.maximized = readFlag(store, kSessionKey, "bMaximized").value_or(false);
        placement.fullScreen = readFlag(store, kSessionKey, "bFullScreen").value_or(false);
        state.placement = placement;
    }
    state.splitScreen = readFlag(store, kSessionKey, "bSplitScreen");
    // The divider stops between 0 and 0.99 of the width; anything else was not written by us.
    if (const auto proportion = readDouble(store, kSessionKey, "dCalculatorProportion");
        proportion && *proportion >= 0 && *proportion <= 0.99)
        state.calculatorProportion = proportion;
    for (const FolderName& f : kFolders)
        state.folder(f.slot) = readText(store, kSessionKey, f.name).value_or(std::string());
    return state;
}

void SaveSession(SettingsStore& store, const SessionState& state) {
    if (state.placement) {
        const WindowPlacement& p = *state.placement;
        writeInt(store, kSessionKey, "iLeft", p.geometry.x);
        writeInt(store, kSessionKey, "iTop", p.geometry.y);
        writeInt(store, kSessionKey, "iWidth", p.geometry.width);
        writeInt(store, kSessionKey, "iHeight", p.geometry.height);
        writeFlag(store, kSessionKey, "bMaximized", p.maximized);
        writeFlag(store, kSessionKey, "bFullScreen", p.fullScreen);
    }
    if (state.splitScreen) writeFlag(store, kSessionKey, "bSplitScreen", *state.splitScreen);
    if (state.calculatorProportion) writeDouble(store, kSessionKey, "dCalculatorProportion", *state.calculatorProportion);
    for (const FolderName& f : kFolders)
        if (!state.folder(f.slot).empty()) store.write(kSessionKey, f.name, state.folder(f.slot));
}

WindowPlacement placeOnScreens(WindowPlacement placement, const std::vector<ScreenRect>& screens,
                               const ScreenRect& primary) {
    ScreenRect& g = placement.geometry;
    if (primary.width > 0 && primary.height > 0) {
        g.width = std::min(g.width, primary.width);
        g.height = std::min(g.height, primary.height);
    }
    // The top of the window is where it is grabbed: that part must show.
    const bool reachable = std::any_of(screens.begin(), screens.end(), [&g](const ScreenRect& s) {
        return overlap(g.x, g.width, s.x, s.width) >= std::min(kReachableWidth, g.width) &&
               overlap(g.y, std::min(kReachableHeight, g.height), s.y, s.height) >= std::min(kReachableHeight, g.height);
    });
    if (!reachable) {
        g.x = primary.x + (primary.width - g.width) / 2;
        g.y = primary.y + (primary.height - g.height) / 2;
    }
    return placement;
}

}  // namespace orrery
