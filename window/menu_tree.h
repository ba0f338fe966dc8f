#pragma once

#include "texts/text_key.h"

#include <string>
#include <utility>
#include <vector>

namespace tarvon {

// One item of the main window's menu bar. An ampersand in the caption marks
// the access key.
struct MenuItemDef {
    MenuItemDef(std::string name, TextKey text, std::string parent, std::string shortcut)
        : name(std::move(name)), text(text), parent(std::move(parent)),
          shortcut(std::move(shortcut)), caption(text.source) {}

    std::string name;
    TextKey text;         // the caption's words, translated where the window shows them
    std::string parent;   // "" for the menus of the bar
    std::string shortcut; // "" or a key sequence such as "Ctrl+A"
    std::string caption;  // the Catalan caption, text's source
};

// The whole menu tree in the order the window shows it; a parent comes
// before its items.
const std::vector<MenuItemDef>& MenuTree();

// Finestra › Idioma: one item per language, each named in its own language.
inline constexpr const char* kIdiomaItems[] = {"FinIdiomaCa", "FinIdiomaEs", "FinIdiomaEn"};

} // namespace tarvon
