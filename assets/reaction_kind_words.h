#pragma once

#include "texts/text_key.h"

namespace assets {

// The translatable heading for a reaction kind the registry names in Catalan
// ("Reacció de síntesi"). Throws std::out_of_range for a kind without one, so a
// new kind stops the build until its heading can be translated.
tarvon::TextKey reactionKindKey(const char* catalan);

} // namespace assets
