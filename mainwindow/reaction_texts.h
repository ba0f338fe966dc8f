#pragma once

#include "engine/reaction_key.h"

#include <string>

namespace tarvon {

// What the window shows of a chosen reaction: the two equation pictures, the
// two-line title, the description, the commentary shown while data are taken
// and the explanation of the mechanism view.
struct ReactionTexts {
    std::string picRI0, picRI1; // paths from the data folder's parent
    std::string lblDS1, lblDS2;
    std::string TextReaccio;
    std::string TextCinetica;
    std::string TextMecanisme;
};

// The texts of one of the four reactions; throws for Reaction::None.
const ReactionTexts& TextsFor(Reaction r);

} // namespace tarvon
