#pragma once

#include "reactions/reaction_description.h"

#include <span>
#include <string_view>

namespace tarvon {

// Every reaction, in the order of the Reaccions menu.
std::span<const ReactionDescription* const> Reactions();

// The reaction chosen by key; nullptr for any other text.
const ReactionDescription* FindReaction(std::string_view key);

} // namespace tarvon
