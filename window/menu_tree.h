#pragma once

#include <string>
#include <vector>

namespace tarvon {

// One item of the main window's menu bar. An ampersand in the caption marks
// the access key.
struct MenuItemDef {
    std::string name;
    std::string caption;
    std::string parent;   // "" for the menus of the bar
    std::string shortcut; // "" or a key sequence such as "Ctrl+A"
};

// The whole menu tree in the order the window shows it; a parent comes
// before its items.
const std::vector<MenuItemDef>& MenuTree();

} // namespace tarvon
