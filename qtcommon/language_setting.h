#pragma once

#include "texts/idioma.h"

namespace tarvon {

// The language the user chose from "Idioma", stored per user; without a
// choice, the system locale's.
Idioma IdiomaActual();
void DesaIdioma(Idioma idioma);

} // namespace tarvon
