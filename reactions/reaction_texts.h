#pragma once

#include "texts/text_key.h"

namespace tarvon {

// What the window shows of a chosen reaction: the two-line title, the
// description, the commentary shown while data are taken and the explanation
// of the mechanism view. Keys: the window shows them in the user's language.
struct ReactionTexts {
    TextKey lblDS1, lblDS2;
    TextKey TextReaccio;
    TextKey TextCinetica;
    TextKey TextMecanisme;
};

} // namespace tarvon
