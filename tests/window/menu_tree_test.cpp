#include "window/menu_tree.h"

#include "reactions/registry.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarvon {
namespace {

// The window runs a menu item by its name: a reaction whose key is also
// another item's name would never be chosen.
TEST(ReactionsMenu, EveryRegisteredReactionIsAnItemOfItsOwn) {
    const std::vector<MenuItemDef>& tree = MenuTree();
    for (const ReactionDescription* r : Reactions()) {
        const auto named = [&](const MenuItemDef& item) { return item.name == r->key; };
        EXPECT_EQ(std::count_if(tree.begin(), tree.end(), named), 1) << r->key;
        const auto item = std::find_if(tree.begin(), tree.end(), named);
        ASSERT_NE(item, tree.end()) << r->key;
        EXPECT_EQ(item->parent, "mnuReaccions");
        EXPECT_EQ(item->caption, r->menuCaption.source);
    }
    for (const MenuItemDef& item : tree) {
        if (item.parent == "mnuReaccions") {
            EXPECT_NE(FindReaction(item.name), nullptr) << item.name;
        }
    }
}

} // namespace
} // namespace tarvon
