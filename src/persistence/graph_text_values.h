#pragma once

#include "graphing/graph_text.h"
#include "persistence/settings_store.h"

namespace orrery {

// The graph text's style and anchor, kept under the program key between runs.

// Takes all six style values when every one reads and lies in range (a font
// and size from the dialog's lists, a 24-bit colour); otherwise the style
// becomes the default one. True when the stored style was taken.
bool LoadGraphTextStyle(const SettingsStore& store, GraphText& text);
void SaveGraphTextStyle(SettingsStore& store, const GraphText& text);

// Takes dX and dY when both read as finite numbers; otherwise the anchor
// becomes 0.75, 0.25. True when the stored anchor was taken.
bool LoadGraphTextPosition(const SettingsStore& store, GraphText& text);
void SaveGraphTextPosition(SettingsStore& store, const GraphText& text);

}  // namespace orrery
