#pragma once

#include "reactions/reaction_description.h"

namespace tarvon {

extern const ReactionDescription kNH3;

} // namespace tarvon
