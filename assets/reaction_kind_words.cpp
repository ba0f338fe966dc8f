#include "assets/reaction_kind_words.h"

#include <array>
#include <cstring>
#include <stdexcept>
#include <string>

namespace assets {

tarvon::TextKey reactionKindKey(const char* catalan) {
    static constexpr std::array kKinds{
        TX("assets", "Reacció de síntesi"),
        TX("assets", "Reacció de descomposició"),
    };
    for (const tarvon::TextKey& key : kKinds)
        if (std::strcmp(key.source, catalan) == 0)
            return key;
    throw std::out_of_range(std::string("no translatable heading for \"") + catalan + "\"");
}

} // namespace assets
