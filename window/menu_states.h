#pragma once

#include <map>
#include <string>

namespace tarvon {

// Which menu items are enabled and checked, by item name. A name outside the
// menu tree throws, so a misspelt item cannot pass silently.
class MenuStates {
public:
    // As designed: everything enabled, only EinesNPPre checked.
    MenuStates();

    void enable(const std::string& name, bool on = true);
    void disable(const std::string& name) { enable(name, false); }
    void check(const std::string& name, bool on = true);
    void uncheck(const std::string& name) { check(name, false); }

    bool enabled(const std::string& name) const;
    bool checked(const std::string& name) const;
    // Enabled with every menu above it enabled: what the user can click.
    bool usable(const std::string& name) const;

private:
    struct Item {
        bool enabled = true;
        bool checked = false;
        std::string parent;
    };
    Item& item(const std::string& name);
    const Item& item(const std::string& name) const;

    std::map<std::string, Item> items_;
};

} // namespace tarvon
