#pragma once

#include "window/menu_states.h"

#include <QString>

#include <functional>
#include <map>
#include <string>

class QAction;
class QMenuBar;

namespace tarvon {

// The menu bar built from the menu tree: one action per item, named after
// it. Triggering an item calls `command` with the item's name.
class WindowMenus {
public:
    WindowMenus(QMenuBar* bar, std::function<void(const std::string&)> command);

    QAction* action(const std::string& name) const;
    // Enabled and checked as the states say; an unchecked item shows no mark.
    void apply(const MenuStates& states);

private:
    std::map<std::string, QAction*> actions_;
};

} // namespace tarvon
