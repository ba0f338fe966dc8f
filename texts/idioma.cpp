#include "texts/idioma.h"

#include <array>
#include <cctype>

namespace tarvon {

namespace {
struct Code {
    Idioma idioma;
    const char* codi;
};
constexpr std::array<Code, 3> kCodes{{
    {Idioma::Catala, "ca"},
    {Idioma::Castella, "es"},
    {Idioma::Angles, "en"},
}};

bool StartsWithLanguage(std::string_view locale, std::string_view codi) {
    if (locale.size() < codi.size())
        return false;
    for (std::size_t i = 0; i < codi.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(locale[i])) != codi[i])
            return false;
    // "ca", "ca_ES", "ca-ES", "ca.UTF-8", "ca@valencia"; not "cat" or "esperanto".
    return locale.size() == codi.size() ||
           !std::isalpha(static_cast<unsigned char>(locale[codi.size()]));
}
} // namespace

const char* CodiIdioma(Idioma idioma) {
    for (const Code& c : kCodes)
        if (c.idioma == idioma)
            return c.codi;
    return "ca";
}

std::optional<Idioma> IdiomaDelCodi(std::string_view codi) {
    for (const Code& c : kCodes)
        if (codi == c.codi)
            return c.idioma;
    return std::nullopt;
}

Idioma IdiomaDelLocale(std::string_view locale) {
    if (StartsWithLanguage(locale, "ca"))
        return Idioma::Catala;
    if (StartsWithLanguage(locale, "es"))
        return Idioma::Castella;
    return Idioma::Angles;
}

Idioma IdiomaTriat(std::string_view stored, std::string_view locale) {
    if (auto idioma = IdiomaDelCodi(stored))
        return *idioma;
    return IdiomaDelLocale(locale);
}

} // namespace tarvon
