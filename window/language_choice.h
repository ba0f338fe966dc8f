#pragma once

#include "texts/idioma.h"
#include "texts/text_key.h"
#include "window/menu_states.h"

#include <optional>
#include <string>

namespace tarvon {

// The language of an item of Finestra › Idioma; none for any other item.
std::optional<Idioma> IdiomaDeItem(const std::string& item);

// Checks the item of the chosen language, and only that one.
void MarcaIdioma(MenuStates& menus, Idioma chosen);

// What the user is told on choosing a language while the program runs in
// another: the catalogues are installed at the start only.
std::optional<TextKey> AvisIdioma(Idioma chosen, Idioma running);

} // namespace tarvon
