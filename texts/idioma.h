#pragma once

#include <optional>
#include <string_view>

namespace tarvon {

enum class Idioma { Catala, Castella, Angles };

// "ca", "es", "en": the code in file names, settings and the command line.
const char* CodiIdioma(Idioma idioma);
std::optional<Idioma> IdiomaDelCodi(std::string_view codi);

// The language a system locale name ("ca_ES.UTF-8", "es-MX", "C") gives:
// Catalan for ca*, Spanish for es*, English for anything else.
Idioma IdiomaDelLocale(std::string_view locale);

// The stored choice when it names a language, the system's otherwise.
Idioma IdiomaTriat(std::string_view stored, std::string_view locale);

} // namespace tarvon
