#pragma once

#include <string>

namespace tarvon {

// What the window shows of a chosen reaction: the two-line title, the
// description, the commentary shown while data are taken and the explanation
// of the mechanism view.
struct ReactionTexts {
    std::string lblDS1, lblDS2;
    std::string TextReaccio;
    std::string TextCinetica;
    std::string TextMecanisme;
};

} // namespace tarvon
