#include "window/language_choice.h"

#include "window/menu_tree.h"

namespace tarvon {

namespace {
constexpr Idioma kInOrder[] = {Idioma::Catala, Idioma::Castella, Idioma::Angles};
static_assert(std::size(kInOrder) == std::size(kIdiomaItems));
} // namespace

std::optional<Idioma> IdiomaDeItem(const std::string& item) {
    for (std::size_t i = 0; i < std::size(kIdiomaItems); ++i)
        if (item == kIdiomaItems[i])
            return kInOrder[i];
    return std::nullopt;
}

void MarcaIdioma(MenuStates& menus, Idioma chosen) {
    for (std::size_t i = 0; i < std::size(kIdiomaItems); ++i)
        menus.check(kIdiomaItems[i], kInOrder[i] == chosen);
}

std::optional<TextKey> AvisIdioma(Idioma chosen, Idioma running) {
    if (chosen == running)
        return std::nullopt;
    return TX("window", "L'idioma triat s'aplicarà la propera vegada que obriu el programa.");
}

} // namespace tarvon
