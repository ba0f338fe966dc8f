#pragma once

#include <string_view>

namespace tarvon {

enum class Reaction { None, FeO, NH3, HI, HgO };

// Compared with the four keys in the order every per-reaction branch uses.
constexpr Reaction reactionFromKey(std::string_view key) {
    if (key == "FeO")
        return Reaction::FeO;
    if (key == "NH3")
        return Reaction::NH3;
    if (key == "HI")
        return Reaction::HI;
    if (key == "HgO")
        return Reaction::HgO;
    return Reaction::None;
}

// The key a reaction is chosen by; "" for none.
constexpr const char* reactionKey(Reaction r) {
    constexpr const char* keys[] = {"", "FeO", "NH3", "HI", "HgO"};
    return keys[static_cast<int>(r)];
}

} // namespace tarvon
