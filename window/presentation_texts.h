#pragma once

#include "texts/language.h"

#include <array>
#include <string>

namespace tarvon {

// The seven lines of kinetics theory beside the presentation picture,
// lblTipus(0) to lblTipus(6).
std::array<std::string, 7> PresentationCaptions(const Language& lang);

} // namespace tarvon
