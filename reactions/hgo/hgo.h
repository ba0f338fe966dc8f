#pragma once

#include "reactions/reaction_description.h"

namespace tarvon {

extern const ReactionDescription kHgO;

} // namespace tarvon
