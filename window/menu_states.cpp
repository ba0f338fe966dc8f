#include "window/menu_states.h"

#include "window/menu_tree.h"

#include <stdexcept>

namespace tarvon {

MenuStates::MenuStates() {
    for (const MenuItemDef& d : MenuTree())
        items_[d.name] = {true, false, d.parent};
    check("EinesNPPre");
}

MenuStates::Item& MenuStates::item(const std::string& name) {
    const auto found = items_.find(name);
    if (found == items_.end())
        throw std::out_of_range("no menu item " + name);
    return found->second;
}

const MenuStates::Item& MenuStates::item(const std::string& name) const {
    return const_cast<MenuStates&>(*this).item(name);
}

void MenuStates::enable(const std::string& name, bool on) {
    item(name).enabled = on;
}

void MenuStates::check(const std::string& name, bool on) {
    item(name).checked = on;
}

bool MenuStates::enabled(const std::string& name) const {
    return item(name).enabled;
}

bool MenuStates::checked(const std::string& name) const {
    return item(name).checked;
}

bool MenuStates::usable(const std::string& name) const {
    for (const Item* i = &item(name);; i = &item(i->parent)) {
        if (!i->enabled)
            return false;
        if (i->parent.empty())
            return true;
    }
}

} // namespace tarvon
