#pragma once
// The parts of HgO's description, defined across its folder.

#include "reactions/reaction_description.h"

namespace tarvon {

const ReactionTexts& TextsHgO();

} // namespace tarvon
