#pragma once
// The parts of FeO's description, defined across its folder.

#include "reactions/reaction_description.h"

namespace tarvon {

const ReactionTexts& TextsFeO();

} // namespace tarvon
