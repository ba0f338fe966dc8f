#pragma once

#include "engine/rgb.h"

#include <string_view>

namespace tarvon {

// The colour of a data column's species on a graph: the legend's colour of
// its atoms. A molecule of two kinds of atom (HI, NH3) has no single legend
// colour; it gets a violet the legend does not use.
Rgb SpeciesColour(std::string_view column);

} // namespace tarvon
