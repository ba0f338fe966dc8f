#pragma once

#include "texts/text_key.h"

namespace tarvon {

// A reaction's own words are translated in its folder's context, whether the
// description holds them as keys or as their Catalan source.
inline TextKey ReactionWords(const TextKey& key) {
    return key;
}
inline TextKey ReactionWords(const char* source) {
    return {"reactions", source};
}

} // namespace tarvon
