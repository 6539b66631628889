#pragma once

#include <vector>

namespace orrery {

// One frame menu item to enable or grey.
struct MenuItemState {
    int command = 0;
    bool enabled = false;
    friend bool operator==(const MenuItemState&, const MenuItemState&) = default;
};

// The groups of menu items that the graph, the calculator and the document
// commands switch together, by code. Codes without a group change nothing.
std::vector<MenuItemState> menuStateChanges(int code);

}  // namespace orrery
