#pragma once

#include <string>

namespace orrery {

// One menu item as the frame builds it: its command, text and state.
struct MenuEntry {
    int command = 0;
    std::string text;  // "&Name\tCtrl+K": the part after the tab is the key column
    bool enabled = false;
    friend bool operator==(const MenuEntry&, const MenuEntry&) = default;
};

}  // namespace orrery
